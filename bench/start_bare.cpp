// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline: a bare web view that loads the same welcome page, with a
// fresh profile, and leaves when it has loaded.
#include "qtwebbrowser.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>


int main(int argc, char **argv)
{
    // The same engine flags as the program, so that both run alike.
    prepareWebEngineEnvironment();
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    QWebEngineProfile profile(QStringLiteral("bare"));
    profile.setPersistentStoragePath(scratch.filePath(QStringLiteral("profile")));
    QWebEngineView view;
    view.setPage(new QWebEnginePage(&profile, &view));
    view.resize(1024, 700);
    view.show();
    QObject::connect(view.page(), &QWebEnginePage::loadFinished, &app, [] { QCoreApplication::quit(); });
    view.load(QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/SysFiles/Welcome.htm")));
    const int code = app.exec();
    view.setPage(nullptr);
    return code;
}
