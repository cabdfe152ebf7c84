// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeservices.h"
#include "form6.h"
#include "imagebutton.h"
#include "twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

using States = QList<Connection::State>;
Q_DECLARE_METATYPE(States)

namespace {

const Connection::State none{false, false, false};
const Connection::State lan{true, false, true};
const Connection::State modem{true, true, false};
const Connection::State both{true, true, true};
const Connection::State unknownKind{true, false, false};

} // namespace

// The connection check inside a frame area, as in the program.
class TestConnectionCheck : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_services = std::make_unique<TestServices>();
        m_area = std::make_unique<QMdiArea>();
        m_area->resize(800, 600);
        m_area->show();
        m_services->windows->setFrameArea(m_area.get());
        m_services->windows->define("Form6", WindowRegistry::Placement::FrameChild,
                                    [this] { return new Form6(*m_services->services); });
    }
    void cleanup()
    {
        m_services.reset();
        m_area.reset();
    }

    void windowHasItsControlsAndTexts()
    {
        Form6 *w = check();
        QCOMPARE(w->windowTitle(), QString("Verificar Internet"));
        QCOMPARE(w->size(), twips::size(4695, 2010));
        QCOMPARE(w->Label1->text(), QString("Connecção:"));
        QCOMPARE(w->Label2->text(), QString("A sua conecção:"));
        QCOMPARE(w->Image2->toolTip(), QString("Verificar Connecção!"));
        QCOMPARE(w->Image1->toolTip(), QString("Ok"));
        QVERIFY(w->Text1->isReadOnly());
        QVERIFY(w->Text2->isReadOnly());
        QVERIFY(!w->Text3->isVisibleTo(w));
        QVERIFY(w->Text3->alignment() & Qt::AlignRight);
        auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget());
        QVERIFY(sub);
        QVERIFY(!(sub->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    }

    // Each answer is asked of the system on its own, so the states queued
    // here are taken one per question: is it connected, a modem, a LAN.
    void loadTellsWhetherAndHowItIsConnected_data()
    {
        QTest::addColumn<States>("answers");
        QTest::addColumn<QString>("connected");
        QTest::addColumn<QString>("kind");
        QTest::newRow("LAN") << States{lan} << "Está conectado!" << "LAN";
        QTest::newRow("modem") << States{modem} << "Está conectado!" << "Modem!";
        QTest::newRow("both: the modem comes first") << States{both} << "Está conectado!" << "Modem!";
        QTest::newRow("connected, neither kind")
            << States{unknownKind} << "Está conectado!" << "Não foi possivel determinar!";
        QTest::newRow("no connection") << States{none} << "Não está conectado!" << "Não foi possivel determinar!";
        QTest::newRow("changing: LAN when asked for it")
            << States{none, none, lan} << "Não está conectado!" << "LAN";
        QTest::newRow("changing: modem when asked for it") << States{lan, modem} << "Está conectado!" << "Modem!";
    }
    void loadTellsWhetherAndHowItIsConnected()
    {
        QFETCH(States, answers);
        QFETCH(QString, connected);
        QFETCH(QString, kind);
        m_services->connection.queued = answers;
        Form6 *w = check();
        QCOMPARE(w->Text1->text(), connected);
        QCOMPARE(w->Text2->text(), kind);
    }

    void goRefreshesOnlyTheHiddenText()
    {
        m_services->connection.queued = {lan};
        Form6 *w = check();
        w->go();
        QCOMPARE(w->Text3->text(), QString("Conectado"));
        m_services->connection.queued = {none};
        w->go();
        QCOMPARE(w->Text3->text(), QString("Não há conecção!"));
        QCOMPARE(w->Text1->text(), QString("Está conectado!"));
        QCOMPARE(w->Text2->text(), QString("LAN"));
    }

    void goKeepsTheWindowHidden()
    {
        Form6 *w = check();
        QWidget *sub = w->parentWidget();
        QVERIFY(!sub->isVisible());
        w->go();
        QVERIFY(!sub->isVisible());
        // Even once somebody has shown it.
        m_services->windows->show("Form6");
        QVERIFY(sub->isVisible());
        w->go();
        QVERIFY(!sub->isVisible());
        QVERIFY(!w->isVisible());
    }

    void checkAgainRefreshesTheVisibleTexts()
    {
        m_services->connection.queued = {lan};
        Form6 *w = check();
        m_services->connection.queued = {none};
        m_services->windows->show("Form6");
        QTest::mouseClick(w->Image2, Qt::LeftButton);
        QCOMPARE(w->Text1->text(), QString("Não está conectado!"));
        QCOMPARE(w->Text2->text(), QString("Não foi possivel determinar!"));
    }

    void okClosesItAndTheNextGoLoadsItAgain()
    {
        m_services->connection.queued = {lan};
        QPointer<Form6> first = check();
        first->go();
        QTest::mouseClick(first->Image1, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QCOMPARE(m_services->windows->find("Form6"), nullptr);

        m_services->connection.queued = {modem};
        Form6 *again = check();
        again->go();
        QCOMPARE(again->Text2->text(), QString("Modem!"));
        QCOMPARE(again->Text3->text(), QString("Conectado"));
        QVERIFY(!again->parentWidget()->isVisible());
    }

private:
    Form6 *check() { return m_services->windows->get<Form6>("Form6"); }

    std::unique_ptr<TestServices> m_services;
    std::unique_ptr<QMdiArea> m_area;
};

QTEST_MAIN(TestConnectionCheck)
#include "tst_connectioncheck.moc"
