// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "e2esupport.h"
#include "frmbrowser.h"
#include "mdiform1.h"
#include "ombrano.h"
#include "soucercode.h"

#include <QComboBox>
#include <QHttpServerResponse>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

constexpr int patience = 20000;

const QByteArray page = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Fonte</title></head>"
                        "<body><p id=\"marca\">Olá &amp; adeus</p></body></html>";

} // namespace

class TestE2ESource : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_server.http.route("/fonte.html", [] { return QHttpServerResponse("text/html; charset=utf-8", page); });
        QVERIFY(m_server.port != 0);
    }
    void init() { m_services = std::make_unique<EngineServices>(); }
    void cleanup() { m_services.reset(); }

    void verCodigoFonteShowsTheServedPagesMarkup()
    {
        MDIForm1 *frame = startOmbrano(*m_services->services);
        auto *browser = qobject_cast<frmBrowser *>(m_services->windows->find("frmBrowser"));
        QTRY_VERIFY_WITH_TIMEOUT(!browser->brwWebBrowser->Busy(), patience);
        browser->cboAddress->lineEdit()->setText(m_server.url("/fonte.html"));
        QTest::keyClick(browser->cboAddress->lineEdit(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(browser->brwWebBrowser->LocationName(), QString("Fonte"), patience);
        QTRY_VERIFY_WITH_TIMEOUT(!browser->brwWebBrowser->Busy(), patience);

        frame->item("source")->trigger();
        auto *viewer = qobject_cast<soucercode *>(m_services->windows->find("soucercode"));
        QVERIFY2(viewer, qPrintable(m_services->errors.lines.join('\n')));
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QString("Código Fonte De: Fonte"));
        const QString markup = viewer->Text1->toPlainText();
        // The markup inside the root element, as the engine holds it.
        QVERIFY2(markup.startsWith("<head>"), qPrintable(markup));
        QVERIFY2(markup.contains("<title>Fonte</title>"), qPrintable(markup));
        QVERIFY2(markup.contains("<p id=\"marca\">Olá &amp; adeus</p>"), qPrintable(markup));
        QVERIFY(!markup.contains("<html"));

        viewer->save->trigger();
        QFile saved(m_services->programFolder() + "/CodigoFonte.txt");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QVERIFY(bytes.contains("<p id=\"marca\">Ol\xe1 &amp; adeus</p>"));
        QVERIFY(bytes.endsWith("</body>\r\n"));
        QVERIFY(m_services->errors.lines.isEmpty());
    }

private:
    TestServer m_server;
    std::unique_ptr<EngineServices> m_services;
};

OMBRANO_E2E_MAIN(TestE2ESource)
#include "tst_e2e_source.moc"
