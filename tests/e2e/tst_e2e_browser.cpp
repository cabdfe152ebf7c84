// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "e2esupport.h"
#include "downloadswindow.h"
#include "frmbrowser.h"
#include "mdiform1.h"
#include "ombrano.h"

#include <QComboBox>
#include <QHttpServerResponse>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

constexpr int patience = 20000;

const QByteArray pageA = "<html><head><title>Pagina A</title></head><body><p>Ola A</p></body></html>";
const QByteArray opener =
    "<html><head><title>Abre</title></head><body><script>window.open('/b.html');</script></body></html>";
const QByteArray pageB = "<html><head><title>Pagina B</title></head><body>B</body></html>";

} // namespace

class TestE2EBrowser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_server.http.route("/a.html", [] { return QHttpServerResponse("text/html", pageA); });
        m_server.http.route("/opener.html", [] { return QHttpServerResponse("text/html", opener); });
        m_server.http.route("/b.html", [] { return QHttpServerResponse("text/html", pageB); });
        m_server.http.route("/file.bin", [] {
            QHttpServerResponse response("application/octet-stream", QByteArray(200000, 'x'));
            response.addHeader("Content-Disposition", "attachment; filename=\"file.bin\"");
            return response;
        });
        QVERIFY(m_server.port != 0);
    }

    void init()
    {
        m_services = std::make_unique<EngineServices>();
    }
    void cleanup() { m_services.reset(); }

    void startUpShowsTheWelcomePage()
    {
        frmBrowser *browser = start();
        QTRY_COMPARE_WITH_TIMEOUT(browser->brwWebBrowser->LocationName(), QString("Ombrano Explorer - Bem Vindo"),
                                  patience);
        QTRY_VERIFY_WITH_TIMEOUT(!browser->brwWebBrowser->Busy(), patience);
        QVERIFY(browser->brwWebBrowser->LocationURL().endsWith("/SysFiles/Welcome.htm"));
        QCOMPARE(browser->cboAddress->itemText(0), browser->brwWebBrowser->LocationURL());
    }

    void typedAddressLoadsAndGoesToTheTopOfTheList()
    {
        frmBrowser *browser = start();
        QTRY_VERIFY_WITH_TIMEOUT(!browser->brwWebBrowser->Busy(), patience);
        const QString address = m_server.url("/a.html");
        browser->cboAddress->lineEdit()->setText(address);
        QTest::keyClick(browser->cboAddress, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(browser->brwWebBrowser->LocationName(), QString("Pagina A"), patience);
        QTRY_VERIFY_WITH_TIMEOUT(!browser->brwWebBrowser->Busy(), patience);
        QCOMPARE(browser->cboAddress->itemText(0), address);
        QCOMPARE(browser->cboAddress->currentText(), address);
        QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("Pagina A"), patience);
        QCOMPARE(browser->brwWebBrowser->Document().documentElementInnerHtml().contains("Ola A"), true);
    }

    void failedLoadsShowTheErrorPageOnce_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("not found") << m_server.url("/nothing-here.html");
        QTest::newRow("nothing listening") << QString("http://127.0.0.1:%1/").arg(closedPort());
    }
    void failedLoadsShowTheErrorPageOnce()
    {
        QFETCH(QString, address);
        frmBrowser *browser = start();
        QTRY_VERIFY_WITH_TIMEOUT(!browser->brwWebBrowser->Busy(), patience);
        int errorPageLoads = 0;
        connect(browser->brwWebBrowser, &WebBrowser::DownloadComplete, this, [&] {
            errorPageLoads += browser->brwWebBrowser->LocationURL().endsWith("Página_não_encontrada.htm");
        });
        browser->brwWebBrowser->Navigate(address);
        QTRY_COMPARE_WITH_TIMEOUT(errorPageLoads, 1, patience);
        QTest::qWait(1500);
        QCOMPARE(errorPageLoads, 1);
        QCOMPARE(browser->brwWebBrowser->LocationName(), QString("Ombrano Explorer - Página não encontrada!"));
    }

    void aMissingErrorPageIsNotRequestedForever()
    {
        QFile::remove(m_services->programFolder() + "/SysFiles/Página_não_encontrada.htm");
        frmBrowser *browser = start();
        QTRY_VERIFY_WITH_TIMEOUT(!browser->brwWebBrowser->Busy(), patience);
        QSignalSpy errors(browser->brwWebBrowser, &WebBrowser::NavigateError);
        browser->brwWebBrowser->Navigate(m_server.url("/nothing-here.html"));
        QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 2, patience);
        QTest::qWait(1500);
        QCOMPARE(errors.size(), 2);
    }

    void scriptOpenedWindowIsAnEngineWindow()
    {
        frmBrowser *browser = start();
        QTRY_VERIFY_WITH_TIMEOUT(!browser->brwWebBrowser->Busy(), patience);
        browser->brwWebBrowser->Navigate(m_server.url("/opener.html"));
        QTRY_COMPARE_WITH_TIMEOUT(m_services->openBrowsers.list().size(), 2, patience);
        WebBrowser *opened = m_services->openBrowsers.list().last();
        QCOMPARE(opened->objectName(), QString("engineWindow"));
        QTRY_COMPARE_WITH_TIMEOUT(opened->LocationName(), QString("Pagina B"), patience);
        QVERIFY(opened->isWindow());
        QVERIFY(opened->Document().parentWindowHasOpener());
        QVERIFY(!browser->brwWebBrowser->Document().parentWindowHasOpener());
        // The page that asked stays where it was.
        QCOMPARE(browser->brwWebBrowser->LocationURL(), m_server.url("/opener.html"));
    }

    void fileLinkStartsADownloadThatCompletes()
    {
        frmBrowser *browser = start();
        QTRY_VERIFY_WITH_TIMEOUT(!browser->brwWebBrowser->Busy(), patience);
        const QString target = m_services->folder.filePath("recebido.bin");
        m_services->dialogs.answer = target;
        browser->brwWebBrowser->Navigate(m_server.url("/file.bin"));
        QTRY_COMPARE_WITH_TIMEOUT(m_services->dialogs.asked.size(), 1, patience);
        QVERIFY(m_services->dialogs.asked.first().endsWith("file.bin"));
        QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(target).size(), qint64(200000), patience);
        DownloadsWindow *downloads = m_services->engine().downloads();
        QTRY_VERIFY_WITH_TIMEOUT(!downloads->findChildren<QLabel *>().isEmpty(), patience);
        QTRY_VERIFY_WITH_TIMEOUT(labelTexts(downloads).contains("Concluído"), patience);
    }

private:
    frmBrowser *start()
    {
        startOmbrano(*m_services->services);
        return qobject_cast<frmBrowser *>(m_services->windows->find("frmBrowser"));
    }
    static QStringList labelTexts(QWidget *w)
    {
        QStringList texts;
        for (const QLabel *label : w->findChildren<QLabel *>())
            texts << label->text();
        return texts;
    }

    TestServer m_server;
    std::unique_ptr<EngineServices> m_services;
};

OMBRANO_E2E_MAIN(TestE2EBrowser)
#include "tst_e2e_browser.moc"
