// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeservices.h"
#include "form6.h"
#include "frmbrowser.h"
#include "imagebutton.h"
#include "twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

class TestBrowser : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_services = std::make_unique<TestServices>();
        m_services->windows->define("frmBrowser", WindowRegistry::Placement::TopLevel,
                                    [this] { return new frmBrowser(*m_services->services); });
        m_services->windows->define("Form6", WindowRegistry::Placement::Hidden,
                                    [this] { return new Form6(*m_services->services); });
    }
    void cleanup() { m_services.reset(); }

    void startPageOpensTheStoredHomePage()
    {
        m_services->settings->write("Zevadori Reduzud", "HomePage0", "Home Page", "http://casa.pt/");
        frmBrowser *w = open();
        QCOMPARE(w->cboAddress->currentText(), QString("http://casa.pt/"));
        QCOMPARE(w->cboAddress->count(), 12);
        QCOMPARE(w->cboAddress->itemText(11), QString("http://casa.pt/"));
        QCOMPARE(control(w)->calls, QStringList({"Navigate http://casa.pt/"}));
        QVERIFY(w->timTimer->isActive());
    }

    void startPageWithoutHomeFallsBackToTheControlsHome()
    {
        frmBrowser *w = open();
        // The empty home page is tried first; the control refuses it, and the
        // fallback appends the (empty) starting address and goes home.
        QCOMPARE(control(w)->calls, QStringList({"Navigate ", "GoHome"}));
        QCOMPARE(w->cboAddress->count(), 13);
        QCOMPARE(w->cboAddress->itemText(11), QString());
        QCOMPARE(w->cboAddress->itemText(12), QString());
        QCOMPARE(w->cboAddress->currentText(), QString());
        QVERIFY(w->timTimer->isActive());
    }

    void listStartsWithTheElevenPresets()
    {
        frmBrowser *w = open();
        const QStringList presets = frmBrowser::presetAddresses();
        QCOMPARE(presets.size(), 11);
        for (int i = 0; i < presets.size(); ++i)
            QCOMPARE(w->cboAddress->itemText(i), presets[i]);
        QCOMPARE(presets[3], QString("http://www.ombrano.pt/"));
    }

    void enterNavigatesWithTextUnchanged_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("plain") << "http://a.pt/x";
        QTest::newRow("blanks kept") << "  www.b.pt ";
        // Equal to a preset except for case: must not also select that entry.
        QTest::newRow("preset in other case") << "HTTP://WWW.SAPO.PT/";
        QTest::newRow("preset exactly") << "http://www.sapo.pt/";
    }
    void enterNavigatesWithTextUnchanged()
    {
        QFETCH(QString, typed);
        frmBrowser *w = open();
        FakeWebBrowser *c = control(w);
        c->calls.clear();
        w->ProgressBar1->setValue(40);
        w->cboAddress->lineEdit()->setText(typed);
        QTest::keyClick(w->cboAddress, Qt::Key_Return);
        w->Txtgoogle->setFocus();  // leaving the box must not navigate again
        QCOMPARE(c->navigations(), QStringList({typed}));
        QCOMPARE(w->ProgressBar1->value(), 0);
        QCOMPARE(w->cboAddress->count(), 13);
    }

    void enterResetsProgressEvenWhenNavigationFails()
    {
        frmBrowser *w = open();
        control(w)->failing << "Navigate";
        w->ProgressBar1->setValue(40);
        w->cboAddress->lineEdit()->setText("http://falha/");
        QTest::keyClick(w->cboAddress, Qt::Key_Enter);
        QCOMPARE(w->ProgressBar1->value(), 0);
    }

    void choosingAnEntryNavigatesToIt()
    {
        frmBrowser *w = open();
        FakeWebBrowser *c = control(w);
        c->calls.clear();
        w->cboAddress->setCurrentIndex(2);
        emit w->cboAddress->activated(2);
        QCOMPARE(c->navigations(), QStringList({"http://www.sapo.pt/"}));
    }

    void completedAddressMovesToTheTop_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("oldPlace");   // where the preset is afterwards
        QTest::newRow("in the list") << "http://www.sapo.pt/" << 13 << -1;
        QTest::newRow("other case is another address") << "http://www.SAPO.pt/" << 14 << 3;
        QTest::newRow("missing slash is another address") << "http://www.sapo.pt" << 14 << 3;
        QTest::newRow("new") << "http://novo.pt/" << 14 << 3;
    }
    void completedAddressMovesToTheTop()
    {
        QFETCH(QString, address);
        QFETCH(int, count);
        QFETCH(int, oldPlace);
        frmBrowser *w = open();
        FakeWebBrowser *c = control(w);
        c->calls.clear();
        c->finishLoading(address, "Título");
        QCOMPARE(w->cboAddress->itemText(0), address);
        QCOMPARE(w->cboAddress->count(), count);
        if (oldPlace >= 0)
            QCOMPARE(w->cboAddress->itemText(oldPlace), QString("http://www.sapo.pt/"));
        QCOMPARE(w->cboAddress->findText(address), 0);
        QCOMPARE(w->windowTitle(), QString("Título"));
        // Selecting entry 0 starts no second navigation.
        QVERIFY(c->navigations().isEmpty());
        QVERIFY(c->calls.contains("SetFocus"));
    }

    void oneCompletionPerFrameLeavesTheAddressOnce()
    {
        frmBrowser *w = open();
        FakeWebBrowser *c = control(w);
        c->locationUrl = "http://frames.pt/";
        for (int frame = 0; frame < 3; ++frame)
            emit c->NavigateComplete2(c, QString("http://frames.pt/frame%1").arg(frame));
        QCOMPARE(w->cboAddress->itemText(0), QString("http://frames.pt/"));
        int copies = 0;
        for (int i = 0; i < w->cboAddress->count(); ++i)
            copies += w->cboAddress->itemText(i) == "http://frames.pt/";
        QCOMPARE(copies, 1);
    }

    void storedHomeReportedInAnotherFormStaysAtTheEnd()
    {
        m_services->settings->write("Zevadori Reduzud", "HomePage0", "Home Page", "casa.pt");
        frmBrowser *w = open();
        control(w)->finishLoading("http://casa.pt/", "Casa");
        QCOMPARE(w->cboAddress->itemText(0), QString("http://casa.pt/"));
        QCOMPARE(w->cboAddress->itemText(w->cboAddress->count() - 1), QString("casa.pt"));
    }

    void downloadCompleteReplacesTypedText()
    {
        frmBrowser *w = open();
        FakeWebBrowser *c = control(w);
        c->locationUrl = "http://carregada.pt/";
        w->cboAddress->lineEdit()->setText("http://a-meio");
        c->calls.clear();
        emit c->DownloadComplete();
        QCOMPARE(w->cboAddress->currentText(), QString("http://carregada.pt/"));
        QVERIFY(c->navigations().isEmpty());
    }

    void navigationErrorShowsTheErrorPageOnce()
    {
        frmBrowser *w = open();
        FakeWebBrowser *c = control(w);
        c->calls.clear();
        const QString errorPage = m_services->programFolder() + "/SysFiles/Página_não_encontrada.htm";
        c->raiseNavigateError("http://127.0.0.1:9/", 404);
        QCOMPARE(c->navigations(), QStringList({errorPage}));
        // The error page itself failing must not request it again, neither
        // as a path nor as the file address the engine reports.
        c->raiseNavigateError(errorPage);
        c->raiseNavigateError(QUrl::fromLocalFile(errorPage).toString());
        c->raiseNavigateError(QUrl::fromLocalFile(errorPage).toString(QUrl::FullyEncoded));
        QCOMPARE(c->navigations(), QStringList({errorPage}));
        // A later failure of another page leads there again.
        c->raiseNavigateError("http://outra/");
        QCOMPARE(c->navigations().size(), 2);
    }

    void newWindowRequestLeavesThePageAlone()
    {
        frmBrowser *w = open();
        FakeWebBrowser *c = control(w);
        c->calls.clear();
        QObject *window = nullptr;
        bool cancel = false;
        emit c->NewWindow2(&window, &cancel);
        QCOMPARE(c->calls, QStringList({"Navigate2 "}));
        QVERIFY(!cancel);
        QCOMPARE(window, nullptr);
    }

    void toolImagesRunTheirCommands_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("call");
        QTest::addColumn<bool>("captionTimer");
        QTest::newRow("back") << "Image1" << "Anterior" << "GoBack" << true;
        QTest::newRow("forward") << "Image2" << "Seguinte" << "GoForward" << true;
        QTest::newRow("reload") << "Image3" << "Refrescar" << "Refresh" << true;
        QTest::newRow("search") << "Image5" << "Procurar" << "GoSearch" << true;
        QTest::newRow("stop") << "Image6" << "Parar" << "Stop" << false;
    }
    void toolImagesRunTheirCommands()
    {
        QFETCH(QString, image);
        QFETCH(QString, toolTip);
        QFETCH(QString, call);
        QFETCH(bool, captionTimer);
        frmBrowser *w = open();
        FakeWebBrowser *c = control(w);
        c->calls.clear();
        c->locationName = "Página";
        c->failing << call;  // a failing command is skipped, nothing more
        auto *button = w->findChild<ImageButton *>(image);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), toolTip);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(c->calls, QStringList({call}));
        QCOMPARE(w->timTimer->isActive(), captionTimer);
        if (!captionTimer)
            QCOMPARE(w->windowTitle(), QString("Página"));
    }

    void closeAllEndsTheProgram()
    {
        frmBrowser *w = open();
        auto *button = w->findChild<ImageButton *>("Image10");
        QCOMPARE(button->toolTip(), QString("Fechar Tudo!"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_services->program.ended, 1);
    }

    void quickSearchSendsTheTextAsTyped()
    {
        frmBrowser *w = open();
        FakeWebBrowser *c = control(w);
        w->timTimer->stop();
        c->calls.clear();
        QTest::keyClicks(w->Txtgoogle, "fado & guitarra");
        QCOMPARE(c->calls, QStringList());
        QTest::keyClick(w->Txtgoogle, Qt::Key_Return);
        QCOMPARE(c->navigations(),
                 QStringList({"http://www.google.pt/search?hl=en&ie=UTF-8&oe=UTF-8&q=fado & guitarra"}));
        QVERIFY(!w->timTimer->isActive());
    }

    void captionShowsLoadingUntilIdle()
    {
        frmBrowser *w = open();
        FakeWebBrowser *c = control(w);
        c->busy = true;
        c->locationName = "Fim";
        w->timTimer->start();
        fireTimer(w->timTimer);
        QCOMPARE(w->windowTitle(), QString("A carregar..."));
        QVERIFY(w->timTimer->isActive());
        c->busy = false;
        fireTimer(w->timTimer);
        QCOMPARE(w->windowTitle(), QString("Fim"));
        QVERIFY(!w->timTimer->isActive());
    }

    void refusedProgressLeavesTheBar_data()
    {
        QTest::addColumn<int>("progress");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("barValue");
        QTest::addColumn<int>("barMaximum");
        QTest::newRow("accepted") << 30 << 100 << 30 << 100;
        QTest::newRow("negative") << -1 << 100 << 20 << 100;
        QTest::newRow("above maximum") << 150 << 100 << 20 << 100;
        QTest::newRow("maximum zero") << 30 << 0 << 30 << 50;
    }
    void refusedProgressLeavesTheBar()
    {
        QFETCH(int, progress);
        QFETCH(int, maximum);
        QFETCH(int, barValue);
        QFETCH(int, barMaximum);
        frmBrowser *w = open();
        FakeWebBrowser *c = control(w);
        emit c->ProgressChange(20, 50);
        emit c->ProgressChange(progress, maximum);
        QCOMPARE(w->txtval->text(), QString::number(progress));
        QCOMPARE(w->txtmax->text(), QString::number(maximum));
        if (maximum > 0)
            barMaximum = maximum;
        QCOMPARE(w->ProgressBar1->maximum(), barMaximum);
        QCOMPARE(w->ProgressBar1->value(), barValue);
    }

    void losNavigatesToTheAddressText()
    {
        frmBrowser *w = open();
        FakeWebBrowser *c = control(w);
        c->calls.clear();
        w->cboAddress->setEditText("http://los.pt/");
        w->los();
        QCOMPARE(c->navigations(), QStringList({"http://los.pt/"}));
    }

    void statusBarHasThreePanelsOverWhichTheBarSits()
    {
        frmBrowser *w = open();
        QCOMPARE(w->statusPanels.size(), 3);
        const int widths[] = {7080, 1440, 1440};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(w->statusPanels[i]->objectName(), QString("Panel%1").arg(i + 1));
            QCOMPARE(w->statusPanels[i]->width(), twips::toPixels(widths[i]));
            QVERIFY(w->statusPanels[i]->minimumWidth() >= twips::toPixels(1440));
        }
        QCOMPARE(w->ProgressBar1->parentWidget(), w->StatusBar1);
        QCOMPARE(w->ProgressBar1->geometry(), w->statusPanels[1]->geometry());
        QVERIFY(w->ProgressBar1->isVisibleTo(w));
        QCOMPARE(w->StatusBar1->geometry().bottom(), w->height() - 1);
    }

    void timersRunFromCreation()
    {
        frmBrowser *w = open();
        QVERIFY(w->Timer1->isActive());
        QCOMPARE(w->Timer1->interval(), 60);
        QVERIFY(w->Timprogbar->isActive());
        QCOMPARE(w->Timprogbar->interval(), 1000);
        QCOMPARE(w->timTimer->interval(), 5);
    }

    void statusTextGoesToTheFirstPanel()
    {
        frmBrowser *w = open();
        emit control(w)->StatusTextChange("A abrir http://a.pt/...");
        QCOMPARE(w->statusPanels[0]->text(), QString("A abrir http://a.pt/..."));
        emit control(w)->StatusTextChange(QString());
        QCOMPARE(w->statusPanels[0]->text(), QString());
    }

    void barFallsBackToZeroEachSecondAndRisesAgain()
    {
        frmBrowser *w = open();
        FakeWebBrowser *c = control(w);
        emit c->ProgressChange(40, 100);
        QCOMPARE(w->ProgressBar1->value(), 40);
        fireTimer(w->Timprogbar);
        QCOMPARE(w->ProgressBar1->value(), 0);
        QCOMPARE(w->ProgressBar1->geometry(), w->statusPanels[1]->geometry());
        emit c->ProgressChange(70, 100);
        QCOMPARE(w->ProgressBar1->value(), 70);
        // Refused values leave the bar at what it last took, 0 after a tick.
        fireTimer(w->Timprogbar);
        emit c->ProgressChange(-1, 100);
        QCOMPARE(w->ProgressBar1->value(), 0);
        QCOMPARE(w->txtval->text(), QString("-1"));
        QCOMPARE(w->txtmax->text(), QString("100"));
    }

    void thirdPanelFollowsTheConnectionFromTheNextTick()
    {
        frmBrowser *w = open();
        FakeConnection &connection = m_services->connection;
        connection.queued = {{true, false, true}};
        fireTimer(w->Timer1);
        QCOMPARE(w->statusPanels[2]->text(), QString("Conectado"));
        connection.queued = {{}};
        fireTimer(w->Timer1);
        QCOMPARE(w->statusPanels[2]->text(), QString("Não há conecção!"));
        connection.queued = {{true, true, false}};
        fireTimer(w->Timer1);
        QCOMPARE(w->statusPanels[2]->text(), QString("Conectado"));
        // The check window stays hidden however often it is asked.
        QVERIFY(!m_services->windows->find("Form6")->isVisible());
    }

    void pollWithoutTheCheckWindowLeavesThePanel()
    {
        TestServices alone;
        alone.windows->define("frmBrowser", WindowRegistry::Placement::TopLevel,
                              [&alone] { return new frmBrowser(*alone.services); });
        auto *w = alone.windows->get<frmBrowser>("frmBrowser");
        fireTimer(w->Timer1);
        QCOMPARE(w->statusPanels[2]->text(), QString());
    }

    void everyWindowsTimersRideOneBeat()
    {
        QList<frmBrowser *> windows{open()};
        for (int i = 0; i < 9; ++i)
            windows << qobject_cast<frmBrowser *>(m_services->windows->createInstance("frmBrowser"));
        for (frmBrowser *w : windows) {
            control(w)->finishLoading("http://a.pt/", "A");
            fireTimer(w->timTimer);
            emit control(w)->ProgressChange(100, 100);
        }
        // Idle, no window keeps a system timer of its own running.
        for (frmBrowser *w : windows) {
            for (const QTimer *timer : w->findChildren<QTimer *>())
                QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
        }
        QVERIFY(m_services->beat.timer()->isActive());

        // One beat 60 ms on polls the connection for every window.
        m_services->connection.queued = {{}};
        m_services->clock.time = m_services->clock.time.addMSecs(60);
        fireTimer(m_services->beat.timer());
        for (frmBrowser *w : windows) {
            QCOMPARE(w->statusPanels[2]->text(), QString("Não há conecção!"));
            QCOMPARE(w->ProgressBar1->value(), 100);
        }
        // The beat nearest to a second on puts every bar back.
        for (int beat = 0; beat < 16; ++beat) {
            m_services->clock.time = m_services->clock.time.addMSecs(60);
            fireTimer(m_services->beat.timer());
        }
        for (frmBrowser *w : windows)
            QCOMPARE(w->ProgressBar1->value(), 0);
    }

    void layoutFitsTheWindowAndSkipsRefusedSizes_data()
    {
        QTest::addColumn<QSize>("size");  // pixels
        QTest::addColumn<int>("boxWidth");
        QTest::addColumn<int>("pageHeight");
        QTest::newRow("roomy") << QSize(800, 600) << 800 - 4 << 600 - 100;
        // Too low for the page: its height keeps the last, the widths apply.
        QTest::newRow("too low") << QSize(500, 90) << 500 - 4 << 600 - 100;
        // Too narrow for the widths: only the height applies.
        QTest::newRow("too narrow") << QSize(3, 400) << 800 - 4 << 400 - 100;
    }
    void layoutFitsTheWindowAndSkipsRefusedSizes()
    {
        QFETCH(QSize, size);
        QFETCH(int, boxWidth);
        QFETCH(int, pageHeight);
        frmBrowser *w = open();
        w->resize(800, 600);
        w->resize(size);
        QCOMPARE(w->cboAddress->width(), boxWidth);
        QCOMPARE(w->brwWebBrowser->width(), boxWidth);
        QCOMPARE(w->brwWebBrowser->height(), pageHeight);
        QCOMPARE(w->brwWebBrowser->pos(), twips::rect(0, 1200, 1, 1).topLeft());
        // Restored, everything fits again.
        w->resize(700, 500);
        QCOMPARE(w->cboAddress->width(), 700 - 4);
        QCOMPARE(w->brwWebBrowser->size(), QSize(700 - 4, 500 - 100));
    }

private:
    frmBrowser *open() { return m_services->windows->get<frmBrowser>("frmBrowser"); }
    static FakeWebBrowser *control(frmBrowser *w) { return qobject_cast<FakeWebBrowser *>(w->brwWebBrowser); }

    std::unique_ptr<TestServices> m_services;
};

QTEST_MAIN(TestBrowser)
#include "tst_browser.moc"
