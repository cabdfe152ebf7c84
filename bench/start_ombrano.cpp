// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Ombrano as its main does, with a fresh settings store and profile,
// and leaves as soon as the welcome page has loaded in the default browser
// window. The caller times the whole process.
#include "application.h"
#include "filedialogs.h"
#include "frmbrowser.h"
#include "messagebox.h"
#include "ombrano.h"
#include "product.h"
#include "program.h"
#include "qtwebbrowser.h"
#include "services.h"
#include "shell.h"
#include "sqlitesettingsstore.h"
#include "webbrowser.h"
#include "windowregistry.h"

#include <QTemporaryDir>

int main(int argc, char **argv)
{
    prepareWebEngineEnvironment();
    Application app(argc, argv);
    QTemporaryDir scratch;
    const QString programFolder = executableFolder();
    SqliteSettingsStore settings(scratch.filePath(QStringLiteral("settings.sqlite")));
    QtMessageBox messages;
    DesktopShell shell;
    QtFileDialogs dialogs;
    OpenBrowsers openBrowsers;
    QtProgram program;
    QtWebBrowserFactory browsers(openBrowsers, dialogs, messages,
                                 {programFolder + QStringLiteral("/SysFiles/") + product::welcomePage(),
                                  product::searchFrontPage()},
                                 scratch.filePath(QStringLiteral("profile")));
    WindowRegistry windows;
    Services services{settings, messages, shell, dialogs, browsers, openBrowsers, program, windows, programFolder};

    startOmbrano(services);
    auto *browser = windows.get<frmBrowser>(QStringLiteral("frmBrowser"));
    QObject::connect(browser->brwWebBrowser, &WebBrowser::DownloadComplete, &app, [browser] {
        if (browser->brwWebBrowser->LocationURL().endsWith(product::welcomePage()))
            QCoreApplication::quit();
    });
    return app.exec();
}
