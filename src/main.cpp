// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "filedialogs.h"
#include "mdiform1.h"
#include "messagebox.h"
#include "ombrano.h"
#include "product.h"
#include "program.h"
#include "qtwebbrowser.h"
#include "services.h"
#include "shell.h"
#include "sqlitesettingsstore.h"
#include "userfolders.h"
#include "windowregistry.h"

int main(int argc, char **argv)
{
    prepareWebEngineEnvironment();
    Application app(argc, argv);

    const QString programFolder = executableFolder();
    SqliteSettingsStore settings(SqliteSettingsStore::defaultPath());
    QtMessageBox messages;
    DesktopShell shell;
    QtFileDialogs dialogs;
    OpenBrowsers openBrowsers;
    QtProgram program;
    QtWebBrowserFactory browsers(openBrowsers, dialogs, messages,
                                 {programFolder + QStringLiteral("/SysFiles/") + product::welcomePage(),
                                  product::searchFrontPage()},
                                 cookieFolder());
    WindowRegistry windows;
    Services services{settings, messages, shell, dialogs, browsers, openBrowsers, program, windows, programFolder};

    startOmbrano(services);
    return app.exec();
}
