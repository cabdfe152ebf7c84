// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "webbrowser.h"

#include <QJsonArray>
#include <QVariant>

class QtWebBrowser;

// The document of a page on QtWebEngine: each member runs a fixed script
// with its values handed over as JSON data, and waits for the answer for a
// bounded time.
class QtWebDocument : public WebDocument
{
public:
    explicit QtWebDocument(QtWebBrowser &browser) : m_browser(browser) {}

    QString documentElementInnerHtml() override;
    void setAllValue(const QString &name, const QString &text) override;
    bool parentWindowHasOpener() override;

    // How long a member waits for the page before it fails.
    static constexpr int answerTimeoutMs = 5000;

private:
    QVariant call(const QString &function, const QJsonArray &arguments);

    QtWebBrowser &m_browser;
};
