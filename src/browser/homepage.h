// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class SettingsStore;
struct Services;

// The program's own home page, kept in the settings store apart from the
// web browser control's home page. Any text is accepted; nothing checks that
// it is an address.
namespace homepage {

// The stored home page; empty when nothing is stored.
QString stored(SettingsStore &settings);
// Throws Failure when the store cannot keep it.
void store(SettingsStore &settings, const QString &address);

// "Homepage do IE": the default browser window goes to the control's own
// home page, with the loading caption on.
void openControlsHome(Services &services);

// "Homepage do Ombrano": the default browser window's address box gets the
// stored home page, which is also appended to the end of its list, and the
// window navigates there.
void openStoredHome(Services &services);

} // namespace homepage
