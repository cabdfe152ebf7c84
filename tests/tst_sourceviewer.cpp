// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeservices.h"
#include "frmbrowser.h"
#include "imagebutton.h"
#include "mdiform1.h"
#include "ombrano.h"
#include "soucercode.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

const QString pageMarkup = QStringLiteral("<head><title>Pagina</title></head><body><p>Olá</p></body>");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

} // namespace

class TestSourceViewer : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_services = std::make_unique<TestServices>();
        m_frame = startOmbrano(*m_services->services);
        QVERIFY(QTest::qWaitForWindowExposed(m_frame));
        FakeWebBrowser *page = control(defaultBrowser());
        page->document.innerHtml = pageMarkup;
        page->locationName = QStringLiteral("Pagina");
    }
    void cleanup() { m_services.reset(); }

    void sourceShowsTheDefaultBrowserWindowsPage()
    {
        // Another browser window, active and with a page of its own, is not
        // the one the command reads.
        m_frame->item("newww")->trigger();
        auto *other = qobject_cast<frmBrowser *>(m_frame->clientArea()->activeSubWindow()->widget());
        QVERIFY(other && other != defaultBrowser());
        control(other)->document.innerHtml = QStringLiteral("<body>outra</body>");
        control(other)->locationName = QStringLiteral("Outra");

        soucercode *viewer = showSource();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QVERIFY(qobject_cast<QMdiSubWindow *>(viewer->parentWidget()));
        QCOMPARE(viewer->Text1->toPlainText(), pageMarkup);
        QCOMPARE(viewer->windowTitle(), QString("Código Fonte De: Pagina"));
        QCOMPARE(viewer->Text2->text(), defaultFile());
        QCOMPARE(m_frame->clientArea()->activeSubWindow()->widget(), viewer);
        QVERIFY(m_services->errors.lines.isEmpty());
    }

    void aLaterSourceReplacesTextAndCaptionButKeepsThePath()
    {
        soucercode *viewer = showSource();
        const QString typed = m_services->folder.filePath("minha.txt");
        viewer->Text2->setText(typed);
        viewer->Text1->appendPlainText("editado");
        control(defaultBrowser())->document.innerHtml = QStringLiteral("<body>segunda</body>");
        control(defaultBrowser())->locationName = QStringLiteral("Segunda");
        QCOMPARE(showSource(), viewer);
        QCOMPARE(viewer->Text1->toPlainText(), QString("<body>segunda</body>"));
        QCOMPARE(viewer->windowTitle(), QString("Código Fonte De: Segunda"));
        QCOMPARE(viewer->Text2->text(), typed);
    }

    void aClosedViewerComesBackWithTheDefaultPath_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Fechar image") << "Image1";
        QTest::newRow("Fechar Source Code item") << "closeme";
    }
    void aClosedViewerComesBackWithTheDefaultPath()
    {
        QFETCH(QString, how);
        QPointer<soucercode> viewer = showSource();
        viewer->Text2->setText(m_services->folder.filePath("minha.txt"));
        if (how == "Image1")
            QTest::mouseClick(viewer->Image1, Qt::LeftButton);
        else
            viewer->closeme->trigger();
        QTRY_VERIFY(viewer.isNull());
        soucercode *again = showSource();
        QCOMPARE(again->Text2->text(), defaultFile());
        QCOMPARE(again->Text1->toPlainText(), pageMarkup);
    }

    void aPageWithoutDocumentIsReportedAndShowsNoViewer()
    {
        control(defaultBrowser())->document.available = false;
        m_frame->item("source")->trigger();
        QCOMPARE(m_services->errors.lines, QStringList({"A página não tem documento"}));
        QVERIFY(!m_services->windows->find("soucercode"));
    }

    void savingAppendsTheTextAndCrLfEachTime_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("saves");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("once") << QByteArray() << "<p>a</p>" << 1 << QByteArray("<p>a</p>\r\n");
        QTest::newRow("twice") << QByteArray() << "<p>a</p>" << 2 << QByteArray("<p>a</p>\r\n<p>a</p>\r\n");
        QTest::newRow("empty text") << QByteArray() << "" << 1 << QByteArray("\r\n");
        QTest::newRow("earlier contents stay") << QByteArray("antes\r\n") << "x" << 1
                                               << QByteArray("antes\r\nx\r\n");
        QTest::newRow("lines end in CR LF") << QByteArray() << "<a>\n<b>" << 1 << QByteArray("<a>\r\n<b>\r\n");
        QTest::newRow("single-byte code page") << QByteArray() << "Olá € ✓" << 1
                                               << QByteArray("Ol\xe1 \x80 ?\r\n");
    }
    void savingAppendsTheTextAndCrLfEachTime()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, text);
        QFETCH(int, saves);
        QFETCH(QByteArray, after);
        if (!before.isEmpty()) {
            QFile file(defaultFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before);
        }
        soucercode *viewer = showSource();
        viewer->Text1->setPlainText(text);
        for (int i = 0; i < saves; ++i)
            viewer->save->trigger();
        QCOMPARE(fileBytes(defaultFile()), after);
        QCOMPARE(m_services->messages.shown.size(), saves);
        QCOMPARE(m_services->messages.shown.last().title, QString("Ombrano"));
        QCOMPARE(m_services->messages.shown.last().text, "O código fonte foi guardado em: " + defaultFile());
        QVERIFY(m_services->errors.lines.isEmpty());
    }

    void savingToAnotherPathCreatesThatFileAndNamesIt()
    {
        soucercode *viewer = showSource();
        const QString other = m_services->folder.filePath("outro nome.txt");
        viewer->Text2->setText(other);
        QTest::mouseClick(viewer->label1, Qt::LeftButton);
        QCOMPARE(fileBytes(other), (pageMarkup + "\r\n").toLatin1());
        QVERIFY(!QFile::exists(defaultFile()));
        QCOMPARE(m_services->messages.shown.size(), 1);
        QCOMPARE(m_services->messages.shown.first().text, "O código fonte foi guardado em: " + other);
    }

    void aFailedSaveGoesToTheErrorListAndKeepsTheText_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty path") << "" << "Caminho de ficheiro vazio";
        QTest::newRow("blank path") << "   " << "Caminho de ficheiro vazio";
        QTest::newRow("missing folder") << "missing/x.txt" << "Não foi possível abrir";
        QTest::newRow("a folder") << "." << "Não foi possível abrir";
    }
    void aFailedSaveGoesToTheErrorListAndKeepsTheText()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        if (path == "missing/x.txt" || path == ".")
            path = m_services->folder.filePath(path);
        soucercode *viewer = showSource();
        viewer->Text2->setText(path);
        viewer->save->trigger();
        QCOMPARE(m_services->errors.lines.size(), 1);
        QVERIFY2(m_services->errors.lines.first().startsWith(reason), qPrintable(m_services->errors.lines.first()));
        QVERIFY(m_services->messages.shown.isEmpty());
        QCOMPARE(viewer->Text1->toPlainText(), pageMarkup);
    }

    void novoClearsTheTextButNotTheFile()
    {
        soucercode *viewer = showSource();
        viewer->save->trigger();
        QTest::mouseClick(viewer->Image2, Qt::LeftButton);
        QCOMPARE(viewer->Text1->toPlainText(), QString());
        QCOMPARE(fileBytes(defaultFile()), (pageMarkup + "\r\n").toLatin1());
    }

    void openHandsThePathToTheShellWhateverItAnswers_data()
    {
        QTest::addColumn<bool>("shellSucceeds");
        QTest::newRow("opened") << true;
        QTest::newRow("no program for it") << false;
    }
    void openHandsThePathToTheShellWhateverItAnswers()
    {
        QFETCH(bool, shellSucceeds);
        m_services->shell.succeeds = shellSucceeds;
        soucercode *viewer = showSource();
        QTest::mouseClick(viewer->label2, Qt::LeftButton);
        viewer->Text2->setText("/tmp/outro.txt");
        viewer->open->trigger();
        QCOMPARE(m_services->shell.opened, QStringList({defaultFile(), "/tmp/outro.txt"}));
        QVERIFY(m_services->errors.lines.isEmpty());
        QVERIFY(m_services->messages.shown.isEmpty());
    }

    void helpLineNamesTheControlUnderTheMouse_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("help");
        QTest::newRow("Text1") << "Text1" << "Código Fonte";
        QTest::newRow("Text2") << "Text2" << "Directório e nome do ficheiro";
        QTest::newRow("Image2") << "Image2" << "Novo";
        QTest::newRow("label2") << "label2" << "Abrir";
        QTest::newRow("label1") << "label1" << "Guardar";
        QTest::newRow("Image1") << "Image1" << "Fechar o Source Code";
    }
    void helpLineNamesTheControlUnderTheMouse()
    {
        QFETCH(QString, control);
        QFETCH(QString, help);
        soucercode *viewer = showSource();
        QWidget *over = viewer->findChild<QWidget *>(control);
        if (auto *text = qobject_cast<QPlainTextEdit *>(over))
            over = text->viewport();
        QTest::mouseMove(over, over->rect().center());
        QTRY_COMPARE(viewer->Label3->text(), help);
        // Off the controls, onto the window itself: the line empties.
        QTest::mouseMove(viewer, QPoint(2, viewer->height() - 2));
        QTRY_COMPARE(viewer->Label3->text(), QString());
        QTest::mouseMove(over, over->rect().center());
        QTRY_COMPARE(viewer->Label3->text(), help);
        QTest::mouseMove(viewer->Label3, QPoint(2, 2));
        QTRY_COMPARE(viewer->Label3->text(), QString());
    }

    void theViewersMenuStandsInForTheFramesWhileItIsActive()
    {
        soucercode *viewer = showSource();
        QCOMPARE(viewer->file->title(), QString(" Ficheiro"));
        QStringList items;
        for (const QAction *action : viewer->file->actions())
            items << action->objectName() + "=" + action->text();
        QCOMPARE(items, QStringList({"open=Abrir", "save=Guardar", "closeme=Fechar Source Code"}));

        QCOMPARE(shownMenus(), QStringList({" Ficheiro"}));
        m_frame->clientArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(defaultBrowser()->parentWidget()));
        QCOMPARE(shownMenus(), frameMenus());
        m_frame->clientArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(viewer->parentWidget()));
        QCOMPARE(shownMenus(), QStringList({" Ficheiro"}));
        QPointer<soucercode> closing = viewer;
        viewer->closeme->trigger();
        QTRY_VERIFY(closing.isNull());
        QCOMPARE(shownMenus(), frameMenus());
    }

    void viewerHasAFixedBorderWithoutMaximiseBox()
    {
        soucercode *viewer = showSource();
        const auto *sub = qobject_cast<QMdiSubWindow *>(viewer->parentWidget());
        QVERIFY(sub->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(sub->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(viewer->minimumSize(), viewer->maximumSize());
    }

private:
    frmBrowser *defaultBrowser() const
    {
        return qobject_cast<frmBrowser *>(m_services->windows->find("frmBrowser"));
    }
    static FakeWebBrowser *control(frmBrowser *w) { return qobject_cast<FakeWebBrowser *>(w->brwWebBrowser); }
    QString defaultFile() const { return m_services->programFolder() + "/CodigoFonte.txt"; }
    soucercode *showSource()
    {
        m_frame->item("source")->trigger();
        return qobject_cast<soucercode *>(m_services->windows->find("soucercode"));
    }
    QStringList shownMenus() const
    {
        QStringList menus;
        for (const QAction *action : m_frame->menuBar()->actions()) {
            if (action->isVisible())
                menus << action->text();
        }
        return menus;
    }
    static QStringList frameMenus()
    {
        return {"Ficheiro", "Editar", "Ver", "Favoritos", "Ferramentas", "Formulário", "Ajuda"};
    }

    std::unique_ptr<TestServices> m_services;
    MDIForm1 *m_frame = nullptr;
};

QTEST_MAIN(TestSourceViewer)
#include "tst_sourceviewer.moc"
