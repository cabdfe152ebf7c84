// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MDIForm1;
struct Services;

// Tells the window registry how to make every window of the program.
void defineWindows(Services &services);

// Start-up: defines the windows and loads the frame, which shows the default
// browser window on the home page.
MDIForm1 *startOmbrano(Services &services);
