// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging.h"

Q_LOGGING_CATEGORY(lcOmbrano, "ombrano", QtWarningMsg)
Q_LOGGING_CATEGORY(lcEngine, "ombrano.engine", QtWarningMsg)
