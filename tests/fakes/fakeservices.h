// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "beat.h"
#include "clock.h"
#include "connection.h"
#include "errorreporter.h"
#include "fakewebbrowser.h"
#include "filedialogs.h"
#include "messagebox.h"
#include "program.h"
#include "services.h"
#include "shell.h"
#include "sqlitesettingsstore.h"
#include "windowregistry.h"

#include <QStringList>
#include <QTemporaryDir>

class QTimer;

#include <functional>
#include <memory>

class FakeMessageBox : public MessageBox
{
public:
    struct Shown {
        QString title, text;
        QMessageBox::Icon icon;
    };
    QList<Shown> shown;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QMessageBox::StandardButton show(const QString &title, const QString &text, QMessageBox::Icon icon,
                                     QMessageBox::StandardButtons) override
    {
        shown.append({title, text, icon});
        return answer;
    }
};

class FakeShell : public Shell
{
public:
    QStringList opened;
    bool succeeds = true;
    bool open(const QString &fileOrAddress) override
    {
        opened.append(fileOrAddress);
        return succeeds;
    }
};

class FakeFileDialogs : public FileDialogs
{
public:
    QString answer;                 // what the user chooses; empty cancels
    QStringList asked;              // the suggested paths or folders
    QString saveFileName(QWidget *, const QString &, const QString &suggestedPath) override
    {
        asked.append(suggestedPath);
        return answer;
    }
    QString openFileName(QWidget *, const QString &, const QString &folder, const QString &) override
    {
        asked.append(folder);
        return answer;
    }
};

class FakeProgram : public Program
{
public:
    int ended = 0;
    void endNow() override { ++ended; }
};

class FakeErrorReporter : public ErrorReporter
{
public:
    QStringList lines;
    void report(const QString &description) override { lines.append(description); }
};

class FakeClock : public Clock
{
public:
    QDateTime time = QDateTime(QDate(2004, 11, 28), QTime(14, 5, 9));
    QDateTime now() const override { return time; }
};

// Answers with the states queued by a test, one per call, then keeps the last.
class FakeConnection : public Connection
{
public:
    QList<State> queued{State{true, false, true}};
    int asked = 0;
    State state() override
    {
        ++asked;
        return queued.size() > 1 ? queued.takeFirst() : queued.first();
    }
};

// Everything a window needs, with fakes, a settings store in a temporary
// file and a temporary program folder holding SysFiles.
class TestServices
{
public:
    // With a fake web browser control unless another factory is given.
    explicit TestServices(std::function<std::unique_ptr<WebBrowserFactory>(TestServices &)> makeBrowsers = {});
    ~TestServices();

    // A new store object on the same file, as after a restart.
    void reopenSettings();

    QTemporaryDir folder;
    std::unique_ptr<SqliteSettingsStore> settings;
    FakeMessageBox messages;
    FakeShell shell;
    FakeFileDialogs dialogs;
    OpenBrowsers openBrowsers;
    std::unique_ptr<WebBrowserFactory> browsers;
    FakeProgram program;
    FakeErrorReporter errors;
    FakeClock clock;
    FakeConnection connection;
    // Rides on the fake clock: a beat fires only the timers whose time the
    // test has let pass.
    Beat beat{[this] { return clock.time.toMSecsSinceEpoch(); }};
    std::unique_ptr<WindowRegistry> windows;
    std::unique_ptr<Services> services;

    QString settingsPath() const { return folder.filePath(QStringLiteral("settings.sqlite")); }
    QString programFolder() const { return folder.filePath(QStringLiteral("program")); }
};

// Runs one tick of an active timer now, as if its interval had passed.
void fireTimer(QTimer *timer);
void fireTimer(BeatTimer *timer);
