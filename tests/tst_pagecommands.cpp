// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeservices.h"
#include "frmbrowser.h"
#include "mdiform1.h"
#include "ombrano.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

class TestPageCommands : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_services = std::make_unique<TestServices>();
        m_frame = startOmbrano(*m_services->services);
    }
    void cleanup() { m_services.reset(); }

    void eachItemFocusesTheDefaultControlAndSendsItsCommand_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("option");
        QTest::newRow("Abrir") << "open2" << 1 << 1;
        QTest::newRow("Page Setup") << "setup" << 8 << 0;
        QTest::newRow("Guardar Página") << "savep" << 3 << 0;
        QTest::newRow("Guardar Página Como...") << "saveas" << 4 << 0;
        QTest::newRow("Imprimir página") << "print" << 6 << 0;
        QTest::newRow("Propriedades") << "props" << 10 << 0;
        QTest::newRow("Cortar") << "cut" << 11 << 0;
        QTest::newRow("Copiar") << "copy" << 12 << 0;
        QTest::newRow("Colar") << "colar" << 13 << 0;
        QTest::newRow("Seleccionar Tudo") << "selectall" << 17 << 0;
    }
    void eachItemFocusesTheDefaultControlAndSendsItsCommand()
    {
        QFETCH(QString, item);
        QFETCH(int, command);
        QFETCH(int, option);
        frmBrowser *first = defaultBrowser();
        // Another browser window is the active one; the command still goes
        // to the default window.
        m_frame->item("newww")->trigger();
        auto *other = qobject_cast<frmBrowser *>(m_frame->clientArea()->activeSubWindow()->widget());
        QVERIFY(other && other != first);
        control(first)->calls.clear();
        control(other)->calls.clear();

        m_frame->item(item)->trigger();
        QCOMPARE(control(first)->calls, QStringList({"SetFocus", QString("ExecWB %1 %2").arg(command).arg(option)}));
        QVERIFY(control(other)->calls.isEmpty());
    }

    void aClosedDefaultBrowserWindowIsMadeAgainFirst()
    {
        QPointer<frmBrowser> closed = defaultBrowser();
        WindowRegistry::closeWindow(closed);
        QTRY_VERIFY(closed.isNull());
        m_frame->item("colar")->trigger();
        frmBrowser *again = defaultBrowser();
        QVERIFY(again);
        QVERIFY(again->isVisible());
        QCOMPARE(control(again)->calls.mid(control(again)->calls.size() - 2), QStringList({"SetFocus", "ExecWB 13 0"}));
    }

    void theCommandIsSentWhenTheFocusCannotBeGiven()
    {
        control(defaultBrowser())->failing = QStringList({"SetFocus"});
        control(defaultBrowser())->calls.clear();
        m_frame->item("copy")->trigger();
        QCOMPARE(control(defaultBrowser())->calls, QStringList({"SetFocus", "ExecWB 12 0"}));
    }

    void aRefusedCommandShowsNothing()
    {
        control(defaultBrowser())->failing = QStringList({"ExecWB"});
        m_frame->item("cut")->trigger();
        QVERIFY(m_services->errors.lines.isEmpty());
        QVERIFY(m_services->messages.shown.isEmpty());
        QCOMPARE(m_services->program.ended, 0);
        QVERIFY(m_frame->isVisible());
    }

private:
    frmBrowser *defaultBrowser() const
    {
        return qobject_cast<frmBrowser *>(m_services->windows->find("frmBrowser"));
    }
    static FakeWebBrowser *control(frmBrowser *w) { return qobject_cast<FakeWebBrowser *>(w->brwWebBrowser); }

    std::unique_ptr<TestServices> m_services;
    MDIForm1 *m_frame = nullptr;
};

QTEST_MAIN(TestPageCommands)
#include "tst_pagecommands.moc"
