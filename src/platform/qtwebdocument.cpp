// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtwebdocument.h"

#include "failure.h"
#include "qtwebbrowser.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>

#include <memory>

namespace {

const char *innerHtmlScript = "function () { return document.documentElement.innerHTML; }";

// Fields are looked up by name first, then by id, as the old document's
// All collection did.
const char *setValueScript =
    "function (name, text) {"
    "  var field = document.getElementsByName(name)[0] || document.getElementById(name);"
    "  if (!field) return false;"
    "  field.value = text;"
    "  return true;"
    "}";

const char *openerScript = "function () { return window.opener !== null && window.opener !== undefined; }";

} // namespace

QVariant QtWebDocument::call(const QString &function, const QJsonArray &arguments)
{
    // The arguments reach the script as a JSON array literal: data, never code.
    const QString json = QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact));
    const QString script = QStringLiteral("(%1).apply(null, %2)").arg(function, json);

    struct Answer {
        bool done = false;
        QVariant value;
    };
    auto answer = std::make_shared<Answer>();
    QEventLoop loop;
    QPointer<QEventLoop> guard(&loop);
    m_browser.page()->runJavaScript(script, [answer, guard](const QVariant &value) {
        answer->done = true;
        answer->value = value;
        if (guard)
            guard->quit();
    });
    if (!answer->done) {
        QTimer::singleShot(answerTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!answer->done)
        throw Failure(QStringLiteral("A página não respondeu a tempo"));
    return answer->value;
}

QString QtWebDocument::documentElementInnerHtml()
{
    const QVariant html = call(QString::fromLatin1(innerHtmlScript), {});
    if (!html.isValid())
        throw Failure(QStringLiteral("A página não tem documento"));
    return html.toString();
}

void QtWebDocument::setAllValue(const QString &name, const QString &text)
{
    if (!call(QString::fromLatin1(setValueScript), {name, text}).toBool())
        throw Failure(QStringLiteral("Objecto necessário: %1").arg(name));
}

bool QtWebDocument::parentWindowHasOpener()
{
    return call(QString::fromLatin1(openerScript), {}).toBool();
}
