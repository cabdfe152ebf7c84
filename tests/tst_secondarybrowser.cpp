// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeservices.h"
#include "form11.h"
#include "frmbrowser.h"
#include "imagebutton.h"
#include "mdiform1.h"
#include "ombrano.h"
#include "twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

// The secondary browser window with the whole program around it, since its
// way in is the frame's menu and its way out the default browser window.
class TestSecondaryBrowser : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_services = std::make_unique<TestServices>();
        m_services->settings->write("Zevadori Reduzud", "HomePage0", "Home Page", "http://casa.pt/");
        m_frame = startOmbrano(*m_services->services);
        defaultControl()->calls.clear();
    }
    void cleanup()
    {
        m_services.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void ninetyPercentOpensOnTheDefaultAddressAndHidesTheFrame_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("an address") << "http://a.pt/x";
        // The control refuses the empty address; the window opens anyway.
        QTest::newRow("empty") << "";
    }
    void ninetyPercentOpensOnTheDefaultAddressAndHidesTheFrame()
    {
        QFETCH(QString, address);
        defaultBrowser()->cboAddress->setEditText(address);
        Form11 *w = openSecondary();
        QVERIFY(w);
        QCOMPARE(w->Text1->text(), address);
        QCOMPARE(control(w)->calls, QStringList({"Navigate2 " + address}));
        QVERIFY(w->isVisible());
        QVERIFY(w->isWindow());
        QVERIFY(w->windowState() & Qt::WindowMaximized);
        QVERIFY(!m_frame->isVisible());
        QVERIFY(defaultControl()->calls.isEmpty());
    }

    void laterUsesReuseTheOpenWindow()
    {
        Form11 *first = openSecondary();
        defaultBrowser()->cboAddress->setEditText("http://b.pt/");
        m_frame->show();
        QCOMPARE(openSecondary(), first);
        QCOMPARE(control(first)->navigations().last(), QString("http://b.pt/"));
    }

    void windowHasItsToolBarAndLayout()
    {
        Form11 *w = openSecondary();
        QCOMPARE(w->windowTitle(), QString());
        QCOMPARE(w->normalGeometry().size(), twips::size(8250, 4365));
        QCOMPARE(w->Image1.size(), 1);
        QCOMPARE(w->Image1[0]->objectName(), QString("Image1(0)"));
        const QStringList images{"Image1(0)", "Image2", "Image3", "Image5", "Image4", "Image6"};
        for (int i = 0; i < images.size(); ++i) {
            auto *image = w->Picture1->findChild<ImageButton *>(images[i]);
            QVERIFY2(image, qPrintable(images[i]));
            QCOMPARE(image->geometry(), twips::rect(600 * i + (i == 5 ? 240 : 0), 0, 495, 495));
            QVERIFY(image->toolTip().isEmpty());
        }
        w->setWindowState(Qt::WindowNoState);
        w->resize(600, 400);
        QCOMPARE(w->Picture1->geometry(), QRect(0, 400 - 33, 600, 33));
        QCOMPARE(w->brwWebBrowser->size(), QSize(600 - 4, 400 - 33));
        QCOMPARE(w->brwWebBrowser->pos(), QPoint(0, 0));
        // Too low for the page: only its width follows.
        w->resize(500, 20);
        QCOMPARE(w->brwWebBrowser->size(), QSize(500 - 4, 400 - 33));
    }

    void returnHandsTheAddressBackAndShowsTheFrame()
    {
        QPointer<Form11> w = openSecondary();
        w->Text1->setText("http://levado.pt/");
        QTest::mouseClick(w->Image6, Qt::LeftButton);
        QCOMPARE(defaultBrowser()->cboAddress->currentText(), QString("http://levado.pt/"));
        QCOMPARE(defaultControl()->calls, QStringList({"Navigate2 http://levado.pt/"}));
        QVERIFY(m_frame->isVisible());
        QTRY_VERIFY(w.isNull());
        // The next use starts a fresh window.
        defaultBrowser()->cboAddress->setEditText("http://c.pt/");
        Form11 *fresh = openSecondary();
        QCOMPARE(control(fresh)->calls, QStringList({"Navigate2 http://c.pt/"}));
    }

    void returnWithAnEmptyAddressStillComesBack()
    {
        QPointer<Form11> w = openSecondary();
        w->Text1->clear();
        defaultControl()->failing << "Navigate2";
        QTest::mouseClick(w->Image6, Qt::LeftButton);
        QCOMPARE(defaultBrowser()->cboAddress->currentText(), QString());
        QVERIFY(m_frame->isVisible());
        QTRY_VERIFY(w.isNull());
    }

    void closingTheLastSecondaryWindowShowsTheFrame()
    {
        QPointer<Form11> w = openSecondary();
        emit control(w)->NewWindow2(nullptr, nullptr);
        QList<Form11 *> all = secondaryWindows();
        QCOMPARE(all.size(), 2);
        Form11 *extra = all.first() == w ? all.last() : all.first();
        extra->close();
        QVERIFY(!m_frame->isVisible());
        w->close();
        QVERIFY(m_frame->isVisible());
        QTRY_VERIFY(w.isNull());
    }

    void enterNavigatesWithTheTextAsTyped()
    {
        Form11 *w = openSecondary();
        control(w)->calls.clear();
        w->Text1->clear();
        QTest::keyClicks(w->Text1, "  www.x.pt ");
        QCOMPARE(control(w)->calls, QStringList());
        QTest::keyClick(w->Text1, Qt::Key_Return);
        QCOMPARE(control(w)->calls, QStringList({"Navigate2   www.x.pt "}));
    }

    void completionsReplaceTheTypedAddress_data()
    {
        QTest::addColumn<bool>("download");
        QTest::newRow("download complete") << true;
        QTest::newRow("navigate complete") << false;
    }
    void completionsReplaceTheTypedAddress()
    {
        QFETCH(bool, download);
        Form11 *w = openSecondary();
        FakeWebBrowser *c = control(w);
        w->Text1->setText("http://a-mei");
        c->locationUrl = "http://feito.pt/";
        if (download)
            emit c->DownloadComplete();
        else
            emit c->NavigateComplete2(c, "http://outra-moldura/");
        QCOMPARE(w->Text1->text(), QString("http://feito.pt/"));
    }

    void titleChangeShowsTheControlsTitle()
    {
        Form11 *w = openSecondary();
        control(w)->locationName = "Título da página";
        emit control(w)->TitleChange("o texto do evento");
        QCOMPARE(w->windowTitle(), QString("Título da página"));
    }

    void navigationErrorShowsTheMessagePageOnce()
    {
        Form11 *w = openSecondary();
        FakeWebBrowser *c = control(w);
        c->calls.clear();
        c->raiseNavigateError("http://127.0.0.1:9/");
        QCOMPARE(c->calls, QStringList({"Navigate2 about:Página não encontrada!"}));
        c->raiseNavigateError("about:Página não encontrada!");
        QCOMPARE(c->calls.size(), 1);
    }

    void newWindowRequestAddsAnEmptyWindow()
    {
        Form11 *w = openSecondary();
        QObject *window = nullptr;
        bool cancel = false;
        emit control(w)->NewWindow2(&window, &cancel);
        QCOMPARE(window, nullptr);
        QVERIFY(!cancel);
        const QList<Form11 *> all = secondaryWindows();
        QCOMPARE(all.size(), 2);
        Form11 *added = all.first() == w ? all.last() : all.first();
        QVERIFY(added->isVisible());
        QCOMPARE(added->Text1->text(), QString("about:Tarvesk"));
        QVERIFY(control(added)->calls.isEmpty());
        QCOMPARE(m_services->windows->find("Form11"), w);
    }

    void toolImagesRunTheirCommands_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("back") << "Image1(0)" << QStringList{"GoBack"};
        QTest::newRow("forward") << "Image2" << QStringList{"GoForward"};
        QTest::newRow("stop") << "Image3" << QStringList{"Stop"};
        QTest::newRow("no action") << "Image5" << QStringList{};
    }
    void toolImagesRunTheirCommands()
    {
        QFETCH(QString, image);
        QFETCH(QStringList, calls);
        Form11 *w = openSecondary();
        FakeWebBrowser *c = control(w);
        c->calls.clear();
        c->failing << "GoBack" << "GoForward" << "Stop";  // nothing to go back to: ignored
        QTest::mouseClick(w->findChild<ImageButton *>(image), Qt::LeftButton);
        QCOMPARE(c->calls, calls);
        QVERIFY(w->isVisible());
        QVERIFY(!m_frame->isVisible());
    }

    void homeImagePopsUpTheHomePageMenu()
    {
        Form11 *w = openSecondary();
        QMenu *menu2 = m_services->windows->menu("Meneu", "menu2");
        QVERIFY(!menu2->isVisible());
        QTest::mouseClick(w->Image4, Qt::LeftButton);
        QTRY_VERIFY(menu2->isVisible());
        menu2->close();
    }

private:
    Form11 *openSecondary()
    {
        m_frame->item("navenine")->trigger();
        return qobject_cast<Form11 *>(m_services->windows->find("Form11"));
    }
    frmBrowser *defaultBrowser() const { return qobject_cast<frmBrowser *>(m_services->windows->find("frmBrowser")); }
    FakeWebBrowser *defaultControl() const { return control(defaultBrowser()); }
    static FakeWebBrowser *control(frmBrowser *w) { return qobject_cast<FakeWebBrowser *>(w->brwWebBrowser); }
    static FakeWebBrowser *control(Form11 *w) { return qobject_cast<FakeWebBrowser *>(w->brwWebBrowser); }
    static QList<Form11 *> secondaryWindows()
    {
        QList<Form11 *> windows;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *secondary = qobject_cast<Form11 *>(w); secondary && secondary->isVisible())
                windows << secondary;
        }
        return windows;
    }

    std::unique_ptr<TestServices> m_services;
    MDIForm1 *m_frame = nullptr;
};

QTEST_MAIN(TestSecondaryBrowser)
#include "tst_secondarybrowser.moc"
