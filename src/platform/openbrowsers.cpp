// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "webbrowser.h"

#include "windowregistry.h"

void OpenBrowsers::add(WebBrowser *browser)
{
    m_browsers.removeAll(nullptr);
    m_browsers.append(browser);
    emit added(browser);
}

QList<WebBrowser *> OpenBrowsers::list() const
{
    QList<WebBrowser *> open;
    for (const QPointer<WebBrowser> &browser : m_browsers) {
        if (browser)
            open.append(browser);
    }
    return open;
}

void OpenBrowsers::quit(WebBrowser *browser)
{
    if (browser)
        WindowRegistry::closeWindow(browser->hostWindow());
}
