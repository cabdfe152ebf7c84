// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakewebbrowser.h"

#include "failure.h"

QString FakeWebDocument::documentElementInnerHtml()
{
    if (!available)
        throw Failure(QStringLiteral("A página não tem documento"));
    return innerHtml;
}

void FakeWebDocument::setAllValue(const QString &name, const QString &text)
{
    if (!available || !values.contains(name))
        throw Failure(QStringLiteral("Objecto necessário: %1").arg(name));
    values[name] = text;
}

bool FakeWebDocument::parentWindowHasOpener()
{
    if (!available)
        throw Failure(QStringLiteral("A página não tem documento"));
    return hasOpener;
}

void FakeWebBrowser::record(const QString &call)
{
    calls.append(call);
    if (failing.contains(call.section(QLatin1Char(' '), 0, 0)))
        throw Failure(QStringLiteral("%1 falhou").arg(call));
}

void FakeWebBrowser::navigateCall(const QString &name, const QString &address)
{
    calls.append(name + QLatin1Char(' ') + address);
    if (address.trimmed().isEmpty())
        throw Failure(QStringLiteral("Endereço vazio"));
    if (failing.contains(name))
        throw Failure(QStringLiteral("%1 falhou").arg(name));
}

void FakeWebBrowser::ExecWB(int command, int option)
{
    record(QStringLiteral("ExecWB %1 %2").arg(command).arg(option));
}

QStringList FakeWebBrowser::navigations() const
{
    QStringList addresses;
    for (const QString &call : calls) {
        if (call.startsWith(QLatin1String("Navigate")))
            addresses.append(call.section(QLatin1Char(' '), 1));
    }
    return addresses;
}

void FakeWebBrowser::finishLoading(const QString &address, const QString &title)
{
    locationUrl = address;
    locationName = title;
    emit NavigateComplete2(this, address);
    busy = false;
    emit DownloadComplete();
}

void FakeWebBrowser::raiseNavigateError(const QString &address, int status)
{
    bool cancel = false;
    emit NavigateError(this, address, QString(), status, &cancel);
}

WebBrowser *FakeWebBrowserFactory::create(QWidget *parent)
{
    auto *browser = new FakeWebBrowser(parent);
    made.append(browser);
    m_open.add(browser);
    return browser;
}
