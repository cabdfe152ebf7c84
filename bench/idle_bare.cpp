// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline for the idle measurement: bare web views on the same local
// page, with a fresh profile; prints "ready" once every one has loaded it,
// idles for the given seconds and leaves.
// Usage: bench_idle_bare VIEWS PAGE SECONDS
#include "qtwebbrowser.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    // The same engine flags as the program, so that both run alike.
    prepareWebEngineEnvironment();
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s VIEWS PAGE SECONDS\n", argv[0]);
        return 2;
    }
    const int count = QString::fromLocal8Bit(argv[1]).toInt();
    const QUrl page = QUrl::fromLocalFile(QString::fromLocal8Bit(argv[2]));
    const int seconds = QString::fromLocal8Bit(argv[3]).toInt();

    QTemporaryDir scratch;
    QWebEngineProfile profile(QStringLiteral("bare"));
    profile.setPersistentStoragePath(scratch.filePath(QStringLiteral("profile")));
    std::vector<std::unique_ptr<QWebEngineView>> views;
    int loaded = 0;
    for (int i = 0; i < count; ++i) {
        auto view = std::make_unique<QWebEngineView>();
        view->setPage(new QWebEnginePage(&profile, view.get()));
        view->resize(1024, 700);
        view->show();
        QObject::connect(view->page(), &QWebEnginePage::loadFinished, &app, [&](bool) {
            if (++loaded != count)
                return;
            std::printf("ready\n");
            std::fflush(stdout);
            QTimer::singleShot(seconds * 1000, &app, [] { QCoreApplication::quit(); });
        });
        view->load(page);
        views.push_back(std::move(view));
    }
    return app.exec();
}
