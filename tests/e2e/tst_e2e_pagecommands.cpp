// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "e2esupport.h"
#include "frmbrowser.h"
#include "mdiform1.h"
#include "ombrano.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHttpServerResponse>
#include <QtTest>

namespace {

constexpr int patience = 20000;

const QByteArray textPage = "<html><head><meta charset=\"utf-8\"><title>Texto</title></head>"
                            "<body><p>Primeira linha do texto</p><p>Segunda linha, com acentuação</p></body></html>";
const QByteArray editablePage =
    "<html><head><title>Editar</title></head><body>"
    "<div id=\"ed\" contenteditable=\"true\">cortar isto</div>"
    "<script>document.getElementById('ed').focus();</script></body></html>";

} // namespace

class TestE2EPageCommands : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_server.http.route("/texto.html", [] { return QHttpServerResponse("text/html", textPage); });
        m_server.http.route("/outra.html", [] {
            return QHttpServerResponse("text/html", QByteArray("<html><head><meta charset=\"utf-8\"><title>Outra</title>"
                                                               "</head><body>Outra página</body></html>"));
        });
        m_server.http.route("/editar.html", [] { return QHttpServerResponse("text/html", editablePage); });
        QVERIFY(m_server.port != 0);
    }
    void init() { m_services = std::make_unique<EngineServices>(); }
    void cleanup() { m_services.reset(); }

    void selectAllThenCopyPutsThePageTextOnTheClipboard()
    {
        MDIForm1 *frame = startOn("/texto.html", "Texto");
        QVERIFY(frame);
        QGuiApplication::clipboard()->setText("nada");
        frame->item("selectall")->trigger();
        frame->item("copy")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::clipboard()->text().contains("Primeira linha do texto"), patience);
        QVERIFY(QGuiApplication::clipboard()->text().contains("Segunda linha, com acentuação"));
    }

    void cutAndPasteWorkInAnEditableField()
    {
        MDIForm1 *frame = startOn("/editar.html", "Editar");
        QVERIFY(frame);
        frame->item("selectall")->trigger();
        frame->item("cut")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), QString("cortar isto"), patience);
        QTRY_VERIFY_WITH_TIMEOUT(!markup().contains("cortar isto"), patience);
        QGuiApplication::clipboard()->setText("colado");
        frame->item("colar")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(markup().contains("colado"), patience);
    }

    void saveAsksOnceForAPageAndSaveAsAlways()
    {
        MDIForm1 *frame = startOn("/texto.html", "Texto");
        QVERIFY(frame);
        const QString target = m_services->folder.filePath("guardada.html");
        m_services->dialogs.answer = target;
        frame->item("savep")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(target).size() > 0, patience);
        QCOMPARE(m_services->dialogs.asked.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(contents(target).contains("Primeira linha do texto"), patience);
        QFile::remove(target);
        frame->item("savep")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(target).size() > 0, patience);
        QCOMPARE(m_services->dialogs.asked.size(), 1);

        // Another page is not written over the first one's file.
        WebBrowser *control = browser()->brwWebBrowser;
        control->Navigate(m_server.url("/outra.html"));
        QTRY_COMPARE_WITH_TIMEOUT(control->LocationName(), QString("Outra"), patience);
        QTRY_VERIFY_WITH_TIMEOUT(!control->Busy(), patience);
        const QString other = m_services->folder.filePath("outra.html");
        m_services->dialogs.answer = other;
        frame->item("savep")->trigger();
        QCOMPARE(m_services->dialogs.asked.size(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(contents(other).contains("Outra página"), patience);
        QVERIFY(contents(target).contains("Primeira linha do texto"));

        // Save as asks every time, also for the page just saved.
        const QString copy = m_services->folder.filePath("copia.html");
        m_services->dialogs.answer = copy;
        frame->item("saveas")->trigger();
        QCOMPARE(m_services->dialogs.asked.size(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(contents(copy).contains("Outra página"), patience);
    }

    void openLoadsTheChosenFileAndPropertiesDescribeIt()
    {
        MDIForm1 *frame = startOn("/texto.html", "Texto");
        QVERIFY(frame);
        const QByteArray local = "<html><head><title>Local</title></head><body>local</body></html>";
        const QString path = m_services->folder.filePath("local.html");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(local);
        file.close();
        m_services->dialogs.answer = path;
        frame->item("open2")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(browser()->brwWebBrowser->LocationName(), QString("Local"), patience);
        QTRY_VERIFY_WITH_TIMEOUT(!browser()->brwWebBrowser->Busy(), patience);

        frame->item("props")->trigger();
        QCOMPARE(m_services->messages.shown.size(), 1);
        const FakeMessageBox::Shown &shown = m_services->messages.shown.first();
        QCOMPARE(shown.title, QString("Propriedades"));
        QVERIFY(shown.text.contains("Título: Local"));
        QVERIFY(shown.text.contains(browser()->brwWebBrowser->LocationURL()));
        QVERIFY(shown.text.contains(QString("Tamanho: %1 bytes").arg(local.size())));
    }

private:
    // The program started, its default browser window showing a served page.
    MDIForm1 *startOn(const QString &path, const QString &title)
    {
        MDIForm1 *frame = startOmbrano(*m_services->services);
        WebBrowser *control = browser()->brwWebBrowser;
        if (!QTest::qWaitFor([control] { return !control->Busy(); }, patience))
            return nullptr;
        control->Navigate(m_server.url(path));
        const bool loaded = QTest::qWaitFor(
            [control, &title] { return control->LocationName() == title && !control->Busy(); }, patience);
        return loaded ? frame : nullptr;
    }
    frmBrowser *browser() const { return qobject_cast<frmBrowser *>(m_services->windows->find("frmBrowser")); }
    QString markup() const { return browser()->brwWebBrowser->Document().documentElementInnerHtml(); }
    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TestServer m_server;
    std::unique_ptr<EngineServices> m_services;
};

OMBRANO_E2E_MAIN(TestE2EPageCommands)
#include "tst_e2e_pagecommands.moc"
