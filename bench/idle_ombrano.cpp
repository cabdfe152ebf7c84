// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Ombrano as its main does, with a fresh settings store and profile
// and a local page as the home page, opens browser windows until there are
// as many as asked, prints "ready" once every one has loaded the page, then
// idles for the given seconds and leaves. The caller measures it while idle.
// Usage: bench_idle_ombrano WINDOWS PAGE SECONDS
#include "application.h"
#include "frmbrowser.h"
#include "ombrano.h"
#include "programservices.h"
#include "qtwebbrowser.h"
#include "settingsstore.h"
#include "webbrowser.h"

#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    prepareWebEngineEnvironment();
    Application app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s WINDOWS PAGE SECONDS\n", argv[0]);
        return 2;
    }
    const int windows = QString::fromLocal8Bit(argv[1]).toInt();
    const QString page = QString::fromLocal8Bit(argv[2]);
    const int seconds = QString::fromLocal8Bit(argv[3]).toInt();

    QTemporaryDir scratch;
    ProgramServices real({scratch.filePath(QStringLiteral("settings.sqlite")), scratch.filePath(QStringLiteral("profile")),
                          executableFolder()});
    Services &services = real.services();
    services.settings.write(QStringLiteral("Zevadori Reduzud"), QStringLiteral("HomePage0"), QStringLiteral("Home Page"),
                            page);
    startOmbrano(services);

    QList<frmBrowser *> browsers{services.windows.get<frmBrowser>(QStringLiteral("frmBrowser"))};
    for (int i = 1; i < windows; ++i)
        browsers << qobject_cast<frmBrowser *>(services.windows.createInstance(QStringLiteral("frmBrowser")));

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        for (frmBrowser *browser : std::as_const(browsers)) {
            if (browser->brwWebBrowser->Busy() || !browser->brwWebBrowser->LocationURL().endsWith(page.section(QLatin1Char('/'), -1)))
                return;
        }
        poll.stop();
        std::printf("ready\n");
        std::fflush(stdout);
        QTimer::singleShot(seconds * 1000, &app, [] { QCoreApplication::quit(); });
    });
    poll.start(200);
    return app.exec();
}
