// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeservices.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <QTimerEvent>

TestServices::TestServices(std::function<std::unique_ptr<WebBrowserFactory>(TestServices &)> makeBrowsers)
{
    QDir().mkpath(programFolder() + QStringLiteral("/SysFiles"));
    if (makeBrowsers)
        browsers = makeBrowsers(*this);
    else
        browsers = std::make_unique<FakeWebBrowserFactory>(openBrowsers);
    windows = std::make_unique<WindowRegistry>();
    reopenSettings();
}

TestServices::~TestServices()
{
    // Windows go before the services they were handed, controls before the
    // factory (and its engine profile) that made them.
    windows.reset();
    for (WebBrowser *browser : openBrowsers.list())
        delete browser;
    browsers.reset();
}

void TestServices::reopenSettings()
{
    settings = std::make_unique<SqliteSettingsStore>(settingsPath());
    services = std::make_unique<Services>(Services{*settings, messages, shell, dialogs, *browsers, openBrowsers,
                                                   program, *windows, errors, clock, connection, beat,
                                                   programFolder()});
}

void fireTimer(QTimer *timer)
{
    Q_ASSERT(timer->isActive());
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
}

void fireTimer(BeatTimer *timer)
{
    Q_ASSERT(timer->isActive());
    emit timer->timeout();
}
