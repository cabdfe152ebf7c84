// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "e2esupport.h"
#include "form11.h"
#include "frmbrowser.h"
#include "imagebutton.h"
#include "mdiform1.h"
#include "ombrano.h"

#include <QComboBox>
#include <QHttpServerResponse>
#include <QLineEdit>
#include <QProgressBar>
#include <QThread>
#include <QtConcurrent>
#include <QtTest>

namespace {

constexpr int patience = 20000;

const QByteArray pageA = "<html><head><title>Pagina A</title></head><body><p>Ola A</p></body></html>";
// The page arrives at once; its picture keeps the load going for a while.
const QByteArray slowPage = "<html><head><title>Pagina Lenta</title></head>"
                            "<body><p>Devagar</p><img src=\"/slow.png\"></body></html>";

} // namespace

class TestE2EBrowserWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_server.http.route("/a.html", [] { return QHttpServerResponse("text/html", pageA); });
        m_server.http.route("/slow.html", [] { return QHttpServerResponse("text/html", slowPage); });
        // Answered from a pool thread, so the server goes on serving.
        m_server.http.route("/slow.png", [] {
            return QtConcurrent::run([] {
                QThread::msleep(2500);
                return QHttpServerResponse("image/png", QByteArray());
            });
        });
        QVERIFY(m_server.port != 0);
    }

    void init() { m_services = std::make_unique<EngineServices>(); }
    void cleanup() { m_services.reset(); }

    void slowPageShowsLoadingAndProgressThenItsTitle()
    {
        frmBrowser *browser = start();
        QTRY_VERIFY_WITH_TIMEOUT(!browser->brwWebBrowser->Busy(), patience);
        QTRY_VERIFY_WITH_TIMEOUT(!browser->timTimer->isActive(), patience);
        QList<int> values;
        QStringList captions;
        connect(browser->brwWebBrowser, &WebBrowser::ProgressChange, browser->brwWebBrowser, [&] {
            values << browser->ProgressBar1->value();
            captions << browser->windowTitle();
        });
        browser->cboAddress->lineEdit()->setText(m_server.url("/slow.html"));
        QTest::keyClick(browser->cboAddress->lineEdit(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("A carregar..."), patience);
        // Part of the page is in while the picture is still on its way.
        QTRY_VERIFY_WITH_TIMEOUT(
            std::any_of(values.cbegin(), values.cend(), [](int value) { return value > 0 && value < 100; }),
            patience);
        QVERIFY(browser->brwWebBrowser->Busy());
        QTRY_VERIFY_WITH_TIMEOUT(!browser->brwWebBrowser->Busy(), patience);
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("Pagina Lenta"), patience);
        QVERIFY(!browser->timTimer->isActive());
        QCOMPARE(browser->ProgressBar1->value(), 100);
        QVERIFY(captions.contains("A carregar..."));
    }

    void ninetyPercentAndBackKeepsTheAddress()
    {
        frmBrowser *browser = start();
        QTRY_VERIFY_WITH_TIMEOUT(!browser->brwWebBrowser->Busy(), patience);
        const QString address = m_server.url("/a.html");
        browser->cboAddress->lineEdit()->setText(address);
        QTest::keyClick(browser->cboAddress->lineEdit(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(browser->brwWebBrowser->LocationName(), QString("Pagina A"), patience);
        QTRY_VERIFY_WITH_TIMEOUT(!browser->brwWebBrowser->Busy(), patience);

        m_frame->item("navenine")->trigger();
        QPointer<Form11> secondary = qobject_cast<Form11 *>(m_services->windows->find("Form11"));
        QVERIFY(secondary);
        QVERIFY(secondary->isVisible());
        QVERIFY(!m_frame->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(secondary->brwWebBrowser->LocationName(), QString("Pagina A"), patience);
        QTRY_VERIFY_WITH_TIMEOUT(!secondary->brwWebBrowser->Busy(), patience);
        QCOMPARE(secondary->Text1->text(), address);
        QTRY_COMPARE_WITH_TIMEOUT(secondary->windowTitle(), QString("Pagina A"), patience);

        QTest::mouseClick(secondary->Image6, Qt::LeftButton);
        QVERIFY(m_frame->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(secondary.isNull(), patience);
        QTRY_VERIFY_WITH_TIMEOUT(!browser->brwWebBrowser->Busy(), patience);
        QCOMPARE(browser->brwWebBrowser->LocationURL(), address);
        QCOMPARE(browser->cboAddress->currentText(), address);
        QCOMPARE(browser->cboAddress->itemText(0), address);
    }

private:
    frmBrowser *start()
    {
        m_frame = startOmbrano(*m_services->services);
        return qobject_cast<frmBrowser *>(m_services->windows->find("frmBrowser"));
    }

    TestServer m_server;
    std::unique_ptr<EngineServices> m_services;
    MDIForm1 *m_frame = nullptr;
};

OMBRANO_E2E_MAIN(TestE2EBrowserWindows)
#include "tst_e2e_browserwindows.moc"
