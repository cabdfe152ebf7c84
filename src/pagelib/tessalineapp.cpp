// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tessalineapp.h"

TessalineApp::TessalineApp() = default;
TessalineApp::~TessalineApp() = default;

namespace {
TessalineApp theApp;
}
