// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeservices.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <QTimerEvent>

TestServices::TestServices()
{
    QDir().mkpath(programFolder() + QStringLiteral("/SysFiles"));
    settings = std::make_unique<SqliteSettingsStore>(settingsPath());
    windows = std::make_unique<WindowRegistry>();
    services = std::make_unique<Services>(Services{*settings, messages, shell, dialogs, browsers, openBrowsers,
                                                   program, *windows, programFolder()});
}

TestServices::~TestServices()
{
    // Windows go before the services they were handed.
    windows.reset();
}

void TestServices::reopenSettings()
{
    settings = std::make_unique<SqliteSettingsStore>(settingsPath());
    services = std::make_unique<Services>(Services{*settings, messages, shell, dialogs, browsers, openBrowsers,
                                                   program, *windows, programFolder()});
}

void fireTimer(QTimer *timer)
{
    Q_ASSERT(timer->isActive());
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
}
