// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "beat.h"
#include "clock.h"
#include "filedialogs.h"
#include "messagebox.h"
#include "networkconnection.h"
#include "program.h"
#include "qtwebbrowser.h"
#include "services.h"
#include "shell.h"
#include "sqlitesettingsstore.h"
#include "windowregistry.h"
#include "errorlistreporter.h"

#include <memory>

// The real services of the running program.
class ProgramServices
{
public:
    struct Places {
        QString settingsFile;  // the settings store
        QString profileFolder; // the web engine's profile (cookies among it)
        QString programFolder; // the folder holding SysFiles
    };
    // The user's own places, as the program uses them.
    static Places userPlaces();

    explicit ProgramServices(const Places &places);
    ~ProgramServices();

    Services &services() { return *m_services; }

private:
    SqliteSettingsStore m_settings;
    QtMessageBox m_messages;
    DesktopShell m_shell;
    QtFileDialogs m_dialogs;
    OpenBrowsers m_openBrowsers;
    QtProgram m_program;
    SystemClock m_clock;
    NetworkConnection m_connection;
    Beat m_beat;
    std::unique_ptr<QtWebBrowserFactory> m_browsers;
    std::unique_ptr<WindowRegistry> m_windows;
    std::unique_ptr<ErrorListReporter> m_errors;
    std::unique_ptr<Services> m_services;
};
