// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeservices.h"
#include "frmbrowser.h"
#include "mdiform1.h"
#include "meneu.h"
#include "ombrano.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

namespace {

using Items = QList<QPair<QString, QString>>;

// Names and captions of a menu's items in order ("-" for a separator).
Items itemsOf(const QMenu *menu)
{
    Items items;
    for (const QAction *action : menu->actions())
        items.append({action->objectName(), action->isSeparator() ? QString("-") : action->text()});
    return items;
}

} // namespace

class TestFrame : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_services = std::make_unique<TestServices>();
        m_services->settings->write("Zevadori Reduzud", "HomePage0", "Home Page", "http://casa.pt/");
        m_frame = startOmbrano(*m_services->services);
    }
    void cleanup()
    {
        m_services.reset();
    }

    void startUpShowsTheDefaultBrowserWindowInTheFrame()
    {
        // A maximised child adds its caption after the frame's, as in any
        // multiple-document frame.
        QVERIFY(m_frame->windowTitle().startsWith("Ombrano Explorer"));
        QVERIFY(m_frame->isVisible());
        frmBrowser *browser = defaultBrowser();
        QVERIFY(browser);
        QCOMPARE(m_frame->clientArea()->subWindowList().size(), 1);
        QCOMPARE(m_frame->clientArea()->subWindowList().first()->widget(), browser);
        QCOMPARE(control(browser)->navigations(), QStringList({"http://casa.pt/"}));
        QVERIFY(!m_services->windows->get("Meneu")->isVisible());
    }

    void menuBarIsCompleteAndInOrder_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Items>("items");
        QTest::newRow("file") << "file" << "Ficheiro"
            << Items{{"newww", "Nova"}, {"open2", "Abrir"}, {"seeesad", "-"}, {"setup", "Page Setup"},
                     {"savep", "Guardar Página"}, {"saveas", "Guardar Página Como..."},
                     {"print", "Imprimir página"}, {"source", "Ver código fonte"}, {"sep", "-"},
                     {"props", "Propriedades"}, {"exit", "Sair"}};
        QTest::newRow("edit") << "edit" << "Editar"
            << Items{{"cut", "Cortar"}, {"copy", "Copiar"}, {"colar", "Colar"}, {"anosep", "-"},
                     {"selectall", "Seleccionar Tudo"}};
        QTest::newRow("see") << "seeWhat" << "Ver"
            << Items{{"seenotes", "Notas"}, {"seetonalisbar", "Barra Tonalis"}, {"navenine", "Navegação a 90%"}};
        QTest::newRow("tools") << "tools" << "Ferramentas"
            << Items{{"player", "Tonalis"}, {"notes", "Tomar Notas"}, {"cookies", "Eliminar Cookies"},
                     {"bloq", "Bloquear Pop-Ups"}, {"encrypt", "Guardar Passwords"},
                     {"links", "Programas de Segurança"}, {"seee", "-"}, {"optionbrow", "Opção de Homepage"}};
        QTest::newRow("links") << "links" << "Programas de Segurança"
            << Items{{"antivirus", "Anti-Virus"}, {"hiijackthis", "HiijackThis"}, {"adaware", "Ad-Aware 6"},
                     {"spybot", "SpyBot Search && Destroy"}};
        QTest::newRow("form") << "formulario" << "Formulário"
            << Items{{"fieldprench", "Preencher"}, {"fgfg", "-"}, {"configfields", "Configurar"}};
        QTest::newRow("help") << "help" << "Ajuda"
            << Items{{"day", "Dia e Hora"}, {"sit", "Visitar Site"}, {"helpofombrano", "Ajuda do Ombrano"},
                     {"checkupdates", "Verificar Updates"}, {"about", "Acerca do Ombrano"}};
    }
    void menuBarIsCompleteAndInOrder()
    {
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        QFETCH(Items, items);
        auto *found = m_frame->findChild<QMenu *>(menu);
        QVERIFY(found);
        QCOMPARE(found->title(), caption);
        QCOMPARE(itemsOf(found), items);
    }

    void menuBarMenusInOrder()
    {
        QStringList menus;
        for (const QAction *action : m_frame->menuBar()->actions())
            menus << action->objectName();
        QCOMPARE(menus, QStringList({"file", "edit", "seeWhat", "favoritos", "tools", "formulario", "help"}));
    }

    void favouritesHoldThirtyOneHiddenHistoryItems()
    {
        const Items items = itemsOf(m_frame->findChild<QMenu *>("favoritos"));
        QCOMPARE(items.size(), 2 + 31);
        QCOMPARE(items[0], qMakePair(QString("addd"), QString("Adicionar")));
        QCOMPARE(items[1].second, QString("-"));
        for (int i = 0; i <= 30; ++i) {
            auto *item = m_frame->findChild<QAction *>(QString("mnuURLHistory(%1)").arg(i));
            QVERIFY(item);
            QCOMPARE(item->text(), i == 0 ? QString("URLHistory") : QString("URLHistory%1").arg(i));
            QVERIFY(!item->isVisible());
        }
    }

    void popUpMenuOwnerHoldsBothMenus()
    {
        auto *owner = qobject_cast<Meneu *>(m_services->windows->get("Meneu"));
        QVERIFY(owner);
        QCOMPARE(owner->windowTitle(), QString("Menu"));
        QCOMPARE(itemsOf(owner->findChild<QMenu *>("menu")),
                 (Items{{"new_page", "Nova página"}, {"about", "Acerca Ombrano"}, {"exit", "Fechar o Ombrano"}}));
        QCOMPARE(itemsOf(owner->findChild<QMenu *>("menu2")),
                 (Items{{"iehome", "Homepage do IE"}, {"ombranohomepage", "Homepage do Ombrano"}}));
    }

    void onlyARightClickOnTheEmptyAreaOpensTheMenu()
    {
        QWidget *area = m_frame->clientArea()->viewport();
        auto *popUp = m_services->windows->menu("Meneu", "menu");
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(area, Qt::MiddleButton, {}, QPoint(5, 5));
        QVERIFY(!popUp->isVisible());
        QTest::mouseClick(area, Qt::RightButton, {}, QPoint(5, 5));
        QTRY_VERIFY(popUp->isVisible());
        popUp->close();
        QCOMPARE(browserWindows(), 1);
    }

    void everyNewWindowCommandAddsABrowserWindow()
    {
        frmBrowser *first = defaultBrowser();
        QTest::mouseDClick(m_frame->clientArea()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(browserWindows(), 2);
        QTest::mouseDClick(m_frame->clientArea()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(browserWindows(), 3);
        m_frame->item("newww")->trigger();
        QCOMPARE(browserWindows(), 4);
        m_services->windows->menu("Meneu", "menu")->findChild<QAction *>("new_page")->trigger();
        QCOMPARE(browserWindows(), 5);
        QCOMPARE(defaultBrowser(), first);
        QCOMPARE(control(first)->navigations(), QStringList({"http://casa.pt/"}));
    }

    void leavingWhileIdleEndsAtOnce_data()
    {
        QTest::addColumn<QString>("owner");
        QTest::newRow("Sair") << "MDIForm1";
        QTest::newRow("Fechar o Ombrano") << "Meneu";
    }
    void leavingWhileIdleEndsAtOnce()
    {
        QFETCH(QString, owner);
        control(defaultBrowser())->busy = false;
        exitItem(owner)->trigger();
        QCOMPARE(m_services->program.ended, 1);
        // Ending at once closes no window, so none runs its closing handler.
        QVERIFY(m_frame->isVisible());
        QVERIFY(defaultBrowser());
    }

    void leavingWhileLoadingClosesTheFrameOnly_data() { leavingWhileIdleEndsAtOnce_data(); }
    void leavingWhileLoadingClosesTheFrameOnly()
    {
        QFETCH(QString, owner);
        auto *notes = new QWidget;
        notes->setAttribute(Qt::WA_DeleteOnClose);
        notes->show();
        QPointer<QWidget> topLevel = notes;
        QPointer<frmBrowser> browser = defaultBrowser();
        QPointer<MDIForm1> frame = m_frame;
        control(browser)->busy = true;
        exitItem(owner)->trigger();
        QCOMPARE(m_services->program.ended, 0);
        QTRY_VERIFY(browser.isNull());
        QTRY_VERIFY(frame.isNull());
        QVERIFY(topLevel && topLevel->isVisible());
        delete notes;
    }

    void visitSiteShowsTheLocalWelcomePage()
    {
        frmBrowser *browser = defaultBrowser();
        control(browser)->calls.clear();
        m_frame->item("sit")->trigger();
        QCOMPARE(control(browser)->navigations(),
                 QStringList({m_services->programFolder() + "/SysFiles/Welcome.htm"}));
    }

    void frameCommandsRecreateAClosedDefaultBrowserWindow()
    {
        QPointer<frmBrowser> closed = defaultBrowser();
        WindowRegistry::closeWindow(closed);
        QTRY_VERIFY(closed.isNull());
        m_frame->item("sit")->trigger();
        frmBrowser *again = defaultBrowser();
        QVERIFY(again);
        QCOMPARE(control(again)->navigations().last(), m_services->programFolder() + "/SysFiles/Welcome.htm");
        QVERIFY(again->isVisible());
    }

    void helpOpensTheHelpFileAndIgnoresFailure()
    {
        m_services->shell.succeeds = false;
        m_frame->item("helpofombrano")->trigger();
        QCOMPARE(m_services->shell.opened,
                 QStringList({m_services->programFolder() + "/SysFiles/Ajuda do Ombrano.chm"}));
        QVERIFY(m_services->messages.shown.isEmpty());
    }

private:
    frmBrowser *defaultBrowser() const
    {
        return qobject_cast<frmBrowser *>(m_services->windows->find("frmBrowser"));
    }
    int browserWindows() const { return m_frame->findChildren<frmBrowser *>().size(); }
    static FakeWebBrowser *control(frmBrowser *w) { return qobject_cast<FakeWebBrowser *>(w->brwWebBrowser); }
    QAction *exitItem(const QString &owner) const
    {
        return m_services->windows->get(owner)->findChild<QAction *>("exit");
    }

    std::unique_ptr<TestServices> m_services;
    MDIForm1 *m_frame = nullptr;
};

QTEST_MAIN(TestFrame)
#include "tst_frame.moc"
