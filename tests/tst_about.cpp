// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diaehora.h"
#include "fakeservices.h"
#include "form1.h"
#include "imagebutton.h"
#include "mdiform1.h"
#include "ombrano.h"
#include "product.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTimer>
#include <QtTest>

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_services = std::make_unique<TestServices>();
        m_frame = startOmbrano(*m_services->services);
        QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    }
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        m_services.reset();
    }

    void aboutIsABorderlessTopLevelWindowInTheMiddle_data()
    {
        QTest::addColumn<QString>("owner");
        QTest::newRow("Acerca do Ombrano") << "MDIForm1";
        QTest::newRow("Acerca Ombrano") << "Meneu";
    }
    void aboutIsABorderlessTopLevelWindowInTheMiddle()
    {
        QFETCH(QString, owner);
        Form1 *about = showAbout(owner);
        QVERIFY(about && about->isVisible());
        QVERIFY(about->isWindow());
        QVERIFY(!m_frame->isAncestorOf(about));
        QVERIFY(about->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(about->windowTitle(), QString("Acerca Ombrano"));
        QCOMPARE(about->size(), QSize(6750 / 15, 5580 / 15));
        const QPoint middle = about->screen()->availableGeometry().center();
        QVERIFY2((about->geometry().center() - middle).manhattanLength() <= 2,
                 qPrintable(QString("centre %1,%2").arg(about->geometry().center().x()).arg(about->geometry().center().y())));
        QCOMPARE(about->Label6->text(), product::site());
        QCOMPARE(showAbout("MDIForm1"), about);
    }

    void aboutShowsEveryLabelWhole()
    {
        Form1 *about = showAbout("MDIForm1");
        for (const QLabel *label : {about->Label2, about->Label3, about->Label4, about->Label5, about->Label6})
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
        QVERIFY(!about->Label5->geometry().intersects(about->Label6->geometry()));
        QCOMPARE(about->Label6->y(), about->Label5->y());
        QVERIFY(about->rect().contains(about->Label6->geometry()));
    }

    void aboutClosesOnItsBackgroundAndOk_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("background") << "background";
        QTest::newRow("Ok image") << "Image1";
    }
    void aboutClosesOnItsBackgroundAndOk()
    {
        QFETCH(QString, where);
        QPointer<Form1> about = showAbout("MDIForm1");
        QVERIFY(QTest::qWaitForWindowExposed(about));
        if (where == "background") {
            const QPoint bare(about->width() - 5, about->height() - 5);
            QVERIFY(!about->childAt(bare));
            QTest::mouseClick(about, Qt::LeftButton, {}, bare);
        } else {
            QTest::mouseClick(about->Image1, Qt::LeftButton);
        }
        QTRY_VERIFY(about.isNull());
        QVERIFY(m_services->shell.opened.isEmpty());
    }

    void aboutLabelsOtherThanTheLinkDoNothing_data()
    {
        QTest::addColumn<QString>("label");
        QTest::newRow("Feito por") << "Label2";
        QTest::newRow("maker") << "Label3";
        QTest::newRow("Update") << "Label4";
        QTest::newRow("Website:") << "Label5";
    }
    void aboutLabelsOtherThanTheLinkDoNothing()
    {
        QFETCH(QString, label);
        Form1 *about = showAbout("MDIForm1");
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QTest::mouseClick(about->findChild<QLabel *>(label), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(m_services->windows->find("Form1"));
        QVERIFY(about->isVisible());
        QVERIFY(m_services->shell.opened.isEmpty());
    }

    void theLinkOpensTheSiteAndTheWindowStays_data()
    {
        QTest::addColumn<bool>("shellSucceeds");
        QTest::newRow("a browser took it") << true;
        QTest::newRow("nothing took it") << false;
    }
    void theLinkOpensTheSiteAndTheWindowStays()
    {
        QFETCH(bool, shellSucceeds);
        m_services->shell.succeeds = shellSucceeds;
        Form1 *about = showAbout("MDIForm1");
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QTest::mouseClick(about->Label6, Qt::LeftButton);
        QCOMPARE(m_services->shell.opened, QStringList({product::site()}));
        QCoreApplication::processEvents();
        QVERIFY(m_services->windows->find("Form1"));
        QVERIFY(m_services->messages.shown.isEmpty());
        QVERIFY(m_services->errors.lines.isEmpty());
    }

    void dateAndTimeKeepTheirFormatsInEveryLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        const QDateTime release(QDate(2004, 11, 28), QTime(14, 5, 9));
        QTest::newRow("Portuguese") << QLocale(QLocale::Portuguese, QLocale::Portugal) << release << "11-28-2004"
                                    << "14:05:09";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << release << "11-28-2004"
                                << "14:05:09";
        QTest::newRow("Arabic digits") << QLocale(QLocale::Arabic, QLocale::Egypt) << release << "11-28-2004"
                                       << "14:05:09";
        QTest::newRow("US twelve hours") << QLocale(QLocale::English, QLocale::UnitedStates)
                                         << QDateTime(QDate(2005, 1, 2), QTime(23, 59, 59)) << "01-02-2005"
                                         << "23:59:59";
        QTest::newRow("midnight") << QLocale(QLocale::French, QLocale::France)
                                  << QDateTime(QDate(2010, 3, 4), QTime(0, 0, 1)) << "03-04-2010" << "00:00:01";
    }
    void dateAndTimeKeepTheirFormatsInEveryLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QDateTime, now);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QLocale::setDefault(locale);
        m_services->clock.time = now;
        diaehora *clock = showClock();
        fireTimer(clock->Timer1);
        QCOMPARE(clock->day->text(), date);
        QCOMPARE(clock->hour->text(), time);
    }

    void theTimeIsEmptyUntilTheFirstTick()
    {
        diaehora *clock = showClock();
        QVERIFY(clock->isVisible());
        QCOMPARE(clock->windowTitle(), QString("Data e Hora"));
        QVERIFY(qobject_cast<QMdiSubWindow *>(clock->parentWidget()));
        QVERIFY(!(clock->parentWidget()->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(clock->parentWidget()->windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(clock->day->text(), QString("11-28-2004"));
        QCOMPARE(clock->hour->text(), QString());
        QVERIFY(clock->Timer1->isActive());
        QCOMPARE(clock->Timer1->interval(), 60);
        fireTimer(clock->Timer1);
        QCOMPARE(clock->hour->text(), QString("14:05:09"));
    }

    void aClockLeftOpenOverMidnightKeepsYesterdaysDate()
    {
        m_services->clock.time = QDateTime(QDate(2004, 11, 28), QTime(23, 59, 59));
        QPointer<diaehora> clock = showClock();
        fireTimer(clock->Timer1);
        m_services->clock.time = QDateTime(QDate(2004, 11, 29), QTime(0, 0, 2));
        fireTimer(clock->Timer1);
        QCOMPARE(clock->hour->text(), QString("00:00:02"));
        QCOMPARE(clock->day->text(), QString("11-28-2004"));
        QTest::mouseClick(clock->Image1, Qt::LeftButton);
        QTRY_VERIFY(clock.isNull());
        QCOMPARE(showClock()->day->text(), QString("11-29-2004"));
    }

    void neitherBoxCanBeEdited()
    {
        diaehora *clock = showClock();
        fireTimer(clock->Timer1);
        for (QLineEdit *box : {clock->day, clock->hour}) {
            QVERIFY(box->isReadOnly());
            const QString before = box->text();
            box->setFocus();
            QTest::keyClicks(box, "99");
            QTest::keyClick(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), before);
        }
    }

    void ticksWithinTheSameSecondLeaveTheTimeBoxAlone()
    {
        diaehora *clock = showClock();
        fireTimer(clock->Timer1);
        clock->hour->selectAll();
        QSignalSpy edits(clock->hour, &QLineEdit::textChanged);
        for (int i = 0; i < 16; ++i)
            fireTimer(clock->Timer1);
        // A selection the user made to copy the time survives the ticks.
        QVERIFY(clock->hour->hasSelectedText());
        QCOMPARE(edits.size(), 0);
        m_services->clock.time = m_services->clock.time.addSecs(1);
        fireTimer(clock->Timer1);
        QCOMPARE(clock->hour->text(), QString("14:05:10"));
        QCOMPARE(edits.size(), 1);
    }

private:
    Form1 *showAbout(const QString &owner)
    {
        m_services->windows->get(owner)->findChild<QAction *>("about")->trigger();
        return qobject_cast<Form1 *>(m_services->windows->find("Form1"));
    }
    diaehora *showClock()
    {
        m_frame->item("day")->trigger();
        return qobject_cast<diaehora *>(m_services->windows->find("diaehora"));
    }

    std::unique_ptr<TestServices> m_services;
    MDIForm1 *m_frame = nullptr;
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
