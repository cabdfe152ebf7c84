// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Beat;
class Clock;
class Connection;
class ErrorReporter;
class FileDialogs;
class MessageBox;
class OpenBrowsers;
class Program;
class SettingsStore;
class Shell;
class WebBrowserFactory;
class WindowRegistry;

// The platform facilities a window may use, handed to every window's
// constructor. The program builds real ones; a test builds fakes.
struct Services {
    SettingsStore &settings;
    MessageBox &messages;
    Shell &shell;
    FileDialogs &dialogs;
    WebBrowserFactory &browsers;
    OpenBrowsers &openBrowsers;
    Program &program;
    WindowRegistry &windows;
    ErrorReporter &errors;
    Clock &clock;
    Connection &connection;
    // The one timer that windows' periodic timers ride on.
    Beat &beat;
    // The folder of the program; SysFiles lies in it.
    QString programFolder;

    QString sysFile(const QString &name) const { return programFolder + QStringLiteral("/SysFiles/") + name; }
};
