// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Ombrano as its main does, with a fresh settings store and profile,
// and leaves as soon as the welcome page has loaded in the default browser
// window. The caller times the whole process.
#include "application.h"
#include "frmbrowser.h"
#include "ombrano.h"
#include "product.h"
#include "programservices.h"
#include "qtwebbrowser.h"
#include "webbrowser.h"

#include <QTemporaryDir>

int main(int argc, char **argv)
{
    prepareWebEngineEnvironment();
    Application app(argc, argv);
    QTemporaryDir scratch;
    ProgramServices real({scratch.filePath(QStringLiteral("settings.sqlite")), scratch.filePath(QStringLiteral("profile")),
                          executableFolder()});
    startOmbrano(real.services());
    auto *browser = real.services().windows.get<frmBrowser>(QStringLiteral("frmBrowser"));
    QObject::connect(browser->brwWebBrowser, &WebBrowser::DownloadComplete, &app, [browser] {
        if (browser->brwWebBrowser->LocationURL().endsWith(product::welcomePage()))
            QCoreApplication::quit();
    });
    return app.exec();
}
