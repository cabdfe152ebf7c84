// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "webbrowser.h"

#include <QHash>
#include <QStringList>

class FakeWebDocument : public WebDocument
{
public:
    QString innerHtml;
    bool hasOpener = false;
    bool available = true;
    QHash<QString, QString> values;   // fields that exist, by name, with what was written
    QString documentElementInnerHtml() override;
    void setAllValue(const QString &name, const QString &text) override;
    bool parentWindowHasOpener() override;
};

// A scripted web browser control: records every call as text ("Navigate
// http://a/", "GoHome", "ExecWB 17 0") and raises its events when a test
// asks. Like the real control it refuses an empty address.
class FakeWebBrowser : public WebBrowser
{
    Q_OBJECT
public:
    explicit FakeWebBrowser(QWidget *parent = nullptr) : WebBrowser(parent) {}

    QStringList calls;
    QString locationName;
    QString locationUrl;
    bool busy = false;
    // Calls whose name is listed here fail ("Navigate", "GoBack", ...).
    QStringList failing;
    FakeWebDocument document;

    void Navigate(const QString &address) override { navigateCall(QStringLiteral("Navigate"), address); }
    void Navigate2(const QString &address) override { navigateCall(QStringLiteral("Navigate2"), address); }
    void GoBack() override { record(QStringLiteral("GoBack")); }
    void GoForward() override { record(QStringLiteral("GoForward")); }
    void GoHome() override { record(QStringLiteral("GoHome")); }
    void GoSearch() override { record(QStringLiteral("GoSearch")); }
    void Refresh() override { record(QStringLiteral("Refresh")); }
    void Stop() override { record(QStringLiteral("Stop")); }
    void ExecWB(int command, int option) override;
    QString LocationName() const override { return locationName; }
    QString LocationURL() const override { return locationUrl; }
    bool Busy() const override { return busy; }
    WebDocument &Document() override { return document; }
    void SetFocus() override { record(QStringLiteral("SetFocus")); }

    // The addresses Navigate and Navigate2 were given, in order.
    QStringList navigations() const;

    // Completes a navigation as the real control does: the address commits,
    // then the loading ends.
    void finishLoading(const QString &address, const QString &title);
    void raiseNavigateError(const QString &address, int status = 404);

private:
    void record(const QString &call);
    void navigateCall(const QString &name, const QString &address);
};

class FakeWebBrowserFactory : public WebBrowserFactory
{
public:
    explicit FakeWebBrowserFactory(OpenBrowsers &open) : m_open(open) {}
    WebBrowser *create(QWidget *parent) override;
    QList<QPointer<FakeWebBrowser>> made;

private:
    OpenBrowsers &m_open;
};
