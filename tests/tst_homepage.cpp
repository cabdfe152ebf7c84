// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeservices.h"
#include "failure.h"
#include "frmbrowser.h"
#include "imagebutton.h"
#include "mdiform1.h"
#include "ombrano.h"
#include "optionhomepage.h"
#include "twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

namespace {

// A store that keeps nothing: every write fails, as on a full disk.
class RefusingStore : public SettingsStore
{
public:
    QString read(const QString &, const QString &, const QString &, const QString &fallback) const override
    {
        return fallback;
    }
    void write(const QString &, const QString &, const QString &, const QString &) override
    {
        throw Failure(QStringLiteral("Não foi possível guardar"));
    }
    QList<Entry> list(const QString &, const QString &) const override { return {}; }
};

} // namespace

// The home page choice and the home page menu, in the whole program.
class TestHomePage : public QObject
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
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void frameItemShowsTheChoiceWithTheStoredHomePage()
    {
        m_frame->item("optionbrow")->trigger();
        auto *w = qobject_cast<optionhomepage *>(m_services->windows->find("optionhomepage"));
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(qobject_cast<QMdiSubWindow *>(w->parentWidget())->mdiArea(), m_frame->clientArea());
        QCOMPARE(w->windowTitle(), QString("Opção de Homepage"));
        QCOMPARE(w->size(), twips::size(4725, 2685));
        QCOMPARE(w->Frame1->title(), QString("Definir HomePage para o Ombrano"));
        QCOMPARE(w->Command1->text(), QString("Página em branco"));
        QCOMPARE(w->Command2->text(), QString("Definido na caixa de texto"));
        QCOMPARE(w->Command3->text(), QString("Cancelar"));
        QCOMPARE(w->Command4->text(), QString("Aplicar"));
        QVERIFY(w->Label1->text().startsWith("É recomendado definir aqui a webpage"));
        QVERIFY(w->Label1->wordWrap());
        QCOMPARE(w->Text1->text(), QString("http://casa.pt/"));
    }

    void blankThenApplyStoresItForTheNextBrowserWindow()
    {
        QPointer<optionhomepage> w = choice();
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QCOMPARE(w->Text1->text(), QString("about:Ombrano Explorer"));
        QCOMPARE(stored(), QString("http://casa.pt/"));  // nothing stored yet
        QTest::mouseClick(w->Command4, Qt::LeftButton);
        QCOMPARE(stored(), QString("about:Ombrano Explorer"));
        QTRY_VERIFY(w.isNull());
        m_frame->item("newww")->trigger();
        const QList<frmBrowser *> browsers = m_frame->findChildren<frmBrowser *>();
        QCOMPARE(browsers.size(), 2);
        frmBrowser *added = browsers.first() == defaultBrowser() ? browsers.last() : browsers.first();
        QCOMPARE(control(added)->navigations(), QStringList({"about:Ombrano Explorer"}));
    }

    void blankThenCancelChangesNothing()
    {
        QPointer<optionhomepage> w = choice();
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QTest::mouseClick(w->Command3, Qt::LeftButton);
        QTRY_VERIFY(w.isNull());
        QCOMPARE(stored(), QString("http://casa.pt/"));
        // A new creation reads the stored value afresh.
        QCOMPARE(choice()->Text1->text(), QString("http://casa.pt/"));
    }

    void storingFromTheBoxKeepsTheWindowAndItsText()
    {
        optionhomepage *w = choice();
        w->Text1->setText("qualquer texto");
        QTest::mouseClick(w->Command2, Qt::LeftButton);
        QCOMPARE(stored(), QString("qualquer texto"));
        w->Text1->setText("ainda a escrever");
        m_frame->item("optionbrow")->trigger();
        QCOMPARE(choice(), w);
        QCOMPARE(w->Text1->text(), QString("ainda a escrever"));
    }

    void aHomePageThatCannotBeStoredIsReportedAndNotLost_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Definido na caixa de texto") << "Command2";
        QTest::newRow("Aplicar") << "Command4";
    }
    void aHomePageThatCannotBeStoredIsReportedAndNotLost()
    {
        QFETCH(QString, command);
        RefusingStore refusing;
        Services services = *m_services->services;
        Services withRefusingStore{refusing, services.messages, services.shell, services.dialogs, services.browsers,
                                   services.openBrowsers, services.program, services.windows, services.errors,
                                   services.clock, services.connection, services.beat, services.programFolder};
        QPointer<optionhomepage> w = new optionhomepage(withRefusingStore);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
        w->Text1->setText("http://novo.pt/");
        QTest::mouseClick(w->findChild<QPushButton *>(command), Qt::LeftButton);
        QCOMPARE(m_services->errors.lines, QStringList({"Não foi possível guardar"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->Text1->text(), QString("http://novo.pt/"));
        delete w;
    }

    void ieHomeActsOnTheDefaultWindowWhoeverPoppedTheMenu()
    {
        frmBrowser *first = defaultBrowser();
        auto *second = qobject_cast<frmBrowser *>(m_services->windows->createInstance("frmBrowser"));
        first->timTimer->stop();
        control(first)->calls.clear();
        control(second)->calls.clear();
        QTest::mouseClick(second->Image4, Qt::LeftButton);
        QMenu *menu2 = m_services->windows->menu("Meneu", "menu2");
        QTRY_VERIFY(menu2->isVisible());
        menu2->close();
        menu2->findChild<QAction *>("iehome")->trigger();
        QCOMPARE(control(first)->calls, QStringList({"GoHome"}));
        QVERIFY(first->timTimer->isActive());
        QVERIFY(control(second)->calls.isEmpty());
    }

    void ombranoHomeLeavesCopiesAtTheEndOfTheList()
    {
        m_services->settings->write("Zevadori Reduzud", "HomePage0", "Home Page", "casa.pt");
        frmBrowser *w = defaultBrowser();
        FakeWebBrowser *c = control(w);
        c->calls.clear();
        const int before = w->cboAddress->count();
        for (int use = 0; use < 2; ++use) {
            w->timTimer->stop();
            ombranoHome()->trigger();
            QVERIFY(w->timTimer->isActive());
            QCOMPARE(w->cboAddress->currentText(), QString("casa.pt"));
            // The control reports the address in its own form.
            c->finishLoading("http://casa.pt/", "Casa");
        }
        QCOMPARE(c->navigations(), QStringList({"casa.pt", "casa.pt"}));
        QCOMPARE(w->cboAddress->itemText(0), QString("http://casa.pt/"));
        QCOMPARE(w->cboAddress->count(), before + 2);
        QCOMPARE(w->cboAddress->itemText(before), QString("casa.pt"));
        QCOMPARE(w->cboAddress->itemText(before + 1), QString("casa.pt"));
    }

    void ombranoHomeWithNothingStoredAsksForTheEmptyAddress()
    {
        m_services->settings->write("Zevadori Reduzud", "HomePage0", "Home Page", "");
        frmBrowser *w = defaultBrowser();
        control(w)->calls.clear();
        const int before = w->cboAddress->count();
        ombranoHome()->trigger();
        QCOMPARE(control(w)->calls, QStringList({"Navigate "}));
        QCOMPARE(w->cboAddress->count(), before + 1);
        QCOMPARE(w->cboAddress->itemText(before), QString());
        QVERIFY(m_services->errors.lines.isEmpty());
    }

private:
    optionhomepage *choice() { return m_services->windows->get<optionhomepage>("optionhomepage"); }
    QString stored() const { return m_services->settings->read("Zevadori Reduzud", "HomePage0", "Home Page"); }
    QAction *ombranoHome() const
    {
        return m_services->windows->menu("Meneu", "menu2")->findChild<QAction *>("ombranohomepage");
    }
    frmBrowser *defaultBrowser() const { return qobject_cast<frmBrowser *>(m_services->windows->find("frmBrowser")); }
    static FakeWebBrowser *control(frmBrowser *w) { return qobject_cast<FakeWebBrowser *>(w->brwWebBrowser); }

    std::unique_ptr<TestServices> m_services;
    MDIForm1 *m_frame = nullptr;
};

QTEST_MAIN(TestHomePage)
#include "tst_homepage.moc"
