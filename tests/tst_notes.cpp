// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeservices.h"
#include "form4.h"
#include "imagebutton.h"
#include "mdiform1.h"
#include "notessidebar.h"
#include "ombrano.h"

#include <QDir>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString severalLines = QStringLiteral("Comprar pão\nLigar à Ana\n\n  recuado\túltima");

} // namespace

class TestNotes : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_services = std::make_unique<TestServices>();
        start();
    }
    void cleanup() { m_services.reset(); }

    void firstUseShowsAnEmptyNotesWindowBesideTheFrame()
    {
        QVERIFY(m_frame->Picture2->isHidden());
        QCOMPARE(m_frame->dockWidgetArea(m_frame->Picture2), Qt::RightDockWidgetArea);
        m_frame->item("notes")->trigger();
        Form4 *window = notes();
        QVERIFY(window && window->isVisible());
        QVERIFY(window->isWindow());
        QVERIFY(!m_frame->isAncestorOf(window));
        QCOMPARE(window->windowTitle(), QString("Tomar Notas"));
        QCOMPARE(window->Text1->toPlainText(), QString());
        QCOMPARE(window->focusWidget(), window->Text1);
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        m_frame->item("notes")->trigger();
        QCOMPARE(notes(), window);
    }

    void aStoredNoteSurvivesARestart_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("Guardar Notas in the window") << "window";
        QTest::newRow("Guardar in the side bar") << "side bar";
    }
    void aStoredNoteSurvivesARestart()
    {
        QFETCH(QString, from);
        if (from == "window") {
            m_frame->item("notes")->trigger();
            notes()->Text1->setPlainText(severalLines);
            QTest::mouseClick(notes()->Command1, Qt::LeftButton);
        } else {
            m_frame->item("seenotes")->trigger();
            sideBar()->Text1->setPlainText(severalLines);
            QTest::mouseClick(sideBar()->Image3, Qt::LeftButton);
        }
        restart();
        QVERIFY(!notes());
        m_frame->item("notes")->trigger();
        QCOMPARE(notes()->Text1->toPlainText(), severalLines);
        QVERIFY(m_services->errors.lines.isEmpty());
    }

    void modoSideBarMovesTheUnsavedTextWithoutStoringIt()
    {
        storeNote("guardada");
        m_frame->item("notes")->trigger();
        QPointer<Form4> window = notes();
        QCOMPARE(window->Text1->toPlainText(), QString("guardada"));
        window->Text1->setPlainText("não guardada\nduas linhas");
        QTest::mouseClick(window->Command4, Qt::LeftButton);
        QVERIFY(!sideBar()->isHidden());
        QCOMPARE(sideBar()->Text1->toPlainText(), QString("não guardada\nduas linhas"));
        QTRY_VERIFY(window.isNull());
        QCOMPARE(storedNote(), QString("guardada"));
    }

    void modoNormalShowsTheNotesWindowsTextNotTheSideBars_data()
    {
        QTest::addColumn<bool>("windowExistsUnshown");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no notes window yet: the stored note") << false << "guardada";
        QTest::newRow("unshown notes window: the text it holds") << true << "da janela";
    }
    void modoNormalShowsTheNotesWindowsTextNotTheSideBars()
    {
        QFETCH(bool, windowExistsUnshown);
        QFETCH(QString, expected);
        storeNote("guardada");
        m_frame->item("seenotes")->trigger();
        if (windowExistsUnshown) {
            QTest::mouseClick(sideBar()->Image2, Qt::LeftButton);
            notes()->Text1->setPlainText("da janela");
        }
        sideBar()->Text1->setPlainText("edição da barra");
        QTest::mouseClick(sideBar()->Image4, Qt::LeftButton);
        QVERIFY(sideBar()->isHidden());
        QVERIFY(notes()->isVisible());
        QCOMPARE(notes()->Text1->toPlainText(), expected);
        QCOMPARE(sideBar()->Text1->toPlainText(), QString("edição da barra"));
        QCOMPARE(storedNote(), QString("guardada"));
    }

    void carregarNotasReplacesUnsavedEdits_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("notes window") << "window";
        QTest::newRow("side bar") << "side bar";
    }
    void carregarNotasReplacesUnsavedEdits()
    {
        QFETCH(QString, where);
        storeNote(severalLines);
        QPlainTextEdit *text = nullptr;
        if (where == "window") {
            m_frame->item("notes")->trigger();
            text = notes()->Text1;
            text->setPlainText("por guardar");
            QTest::mouseClick(notes()->Command2, Qt::LeftButton);
        } else {
            m_frame->item("seenotes")->trigger();
            text = sideBar()->Text1;
            text->setPlainText("por guardar");
            QTest::mouseClick(sideBar()->Image2, Qt::LeftButton);
        }
        QCOMPARE(text->toPlainText(), severalLines);
    }

    void theSideBarReachesTheNotesWindowWithoutShowingIt_data()
    {
        QTest::addColumn<QString>("image");
        QTest::newRow("Carregar Notas") << "Image2";
        QTest::newRow("Guardar") << "Image3";
    }
    void theSideBarReachesTheNotesWindowWithoutShowingIt()
    {
        QFETCH(QString, image);
        storeNote("antiga");
        m_frame->item("seenotes")->trigger();
        sideBar()->Text1->setPlainText("nova");
        QTest::mouseClick(sideBar()->findChild<ImageButton *>(image), Qt::LeftButton);
        QVERIFY(notes());
        QVERIFY(!notes()->isVisible());
        const QString expected = image == "Image2" ? "antiga" : "nova";
        QCOMPARE(sideBar()->Text1->toPlainText(), expected);
        QCOMPARE(notes()->Text1->toPlainText(), expected);
        QCOMPARE(storedNote(), expected);
    }

    void fecharDropsTheWindowsEditsOnly()
    {
        storeNote("guardada");
        m_frame->item("notes")->trigger();
        QPointer<Form4> window = notes();
        window->Text1->setPlainText("perdida");
        QTest::mouseClick(window->Command3, Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
        QCOMPARE(storedNote(), QString("guardada"));
        m_frame->item("notes")->trigger();
        QCOMPARE(notes()->Text1->toPlainText(), QString("guardada"));
    }

    void notasShowsAndHidesTheSideBarKeepingItsText()
    {
        m_frame->item("seenotes")->trigger();
        QVERIFY(sideBar()->isVisible());
        QCOMPARE(sideBar()->width(), 2475 / 15);
        sideBar()->Text1->setPlainText("fica");
        m_frame->item("seenotes")->trigger();
        QVERIFY(sideBar()->isHidden());
        m_frame->item("seenotes")->trigger();
        QVERIFY(sideBar()->isVisible());
        QCOMPARE(sideBar()->Text1->toPlainText(), QString("fica"));
        QTest::mouseClick(sideBar()->Image5, Qt::LeftButton);
        QVERIFY(sideBar()->isHidden());
        QCOMPARE(sideBar()->Text1->toPlainText(), QString("fica"));
        QVERIFY(sideBar()->Image5->toolTip().isEmpty());
    }

    void aStoreThatFailsIsReportedAndTheTextStays()
    {
        // A folder where the store's file should be leaves it unusable.
        QFile::remove(m_services->settingsPath());
        QVERIFY(QDir().mkpath(m_services->settingsPath()));
        restart();
        m_frame->item("notes")->trigger();
        notes()->Text1->setPlainText("não se perde");
        QTest::mouseClick(notes()->Command1, Qt::LeftButton);
        QCOMPARE(m_services->errors.lines.size(), 1);
        QVERIFY(notes()->isVisible());
        QCOMPARE(notes()->Text1->toPlainText(), QString("não se perde"));
    }

private:
    void start()
    {
        m_frame = startOmbrano(*m_services->services);
        QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    }
    // Every window goes, the store is opened afresh, and the program starts
    // again.
    void restart()
    {
        m_services->windows.reset();
        m_services->windows = std::make_unique<WindowRegistry>();
        m_services->reopenSettings();
        start();
    }
    Form4 *notes() const { return qobject_cast<Form4 *>(m_services->windows->find("Form4")); }
    NotesSideBar *sideBar() const { return m_frame->Picture2; }
    void storeNote(const QString &text) { m_services->settings->write("Zevadori Reduzud", "Notas", "Nota", text); }
    QString storedNote() const { return m_services->settings->read("Zevadori Reduzud", "Notas", "Nota", "<none>"); }

    std::unique_ptr<TestServices> m_services;
    MDIForm1 *m_frame = nullptr;
};

QTEST_MAIN(TestNotes)
#include "tst_notes.moc"
