// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct Services;

// Leaves the program as "Sair" does: while the default browser window is
// loading a page the frame is closed (its child windows run their closing
// handlers); otherwise the program ends at once.
void leaveProgram(Services &services);
