// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorlistreporter.h"
#include "fakeservices.h"
#include "form5.h"
#include "frmbrowser.h"
#include "imagebutton.h"
#include "mdiform1.h"
#include "ombrano.h"

#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

class TestErrorList : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_services = std::make_unique<TestServices>();
        m_frame = startOmbrano(*m_services->services);
        m_reporter = std::make_unique<ErrorListReporter>(*m_services->windows);
    }
    void cleanup()
    {
        m_reporter.reset();
        m_services.reset();
    }

    void theListDoesNotExistBeforeTheFirstReport()
    {
        QVERIFY(!list());
        m_reporter->report("Ficheiro não encontrado");
        QVERIFY(list());
        QCOMPARE(lines(), QStringList({"Ficheiro não encontrado"}));
        QVERIFY(list()->isVisible());
        QCOMPARE(m_frame->clientArea()->activeSubWindow(), subWindow());
    }

    void twoReportsGiveTwoLinesOldestFirstInOneWindow()
    {
        m_reporter->report("primeiro");
        m_reporter->report("segundo");
        QCOMPARE(lines(), QStringList({"primeiro", "segundo"}));
        QCOMPARE(m_frame->findChildren<Form5 *>().size(), 1);
    }

    void repeatedFailuresAddRepeatedLines()
    {
        m_reporter->report("Acesso negado");
        m_reporter->report("Acesso negado");
        QCOMPARE(lines(), QStringList({"Acesso negado", "Acesso negado"}));
    }

    void aHiddenListComesBackWithEveryLine()
    {
        m_reporter->report("a");
        QTest::mouseClick(list()->Image2, Qt::LeftButton);
        QVERIFY(!list()->isVisible());
        QCOMPARE(lines(), QStringList({"a"}));
        m_reporter->report("b");
        QVERIFY(list()->isVisible());
        QCOMPARE(lines(), QStringList({"a", "b"}));
    }

    void aClearedListStaysShownAndStartsAgain()
    {
        m_reporter->report("a");
        m_reporter->report("b");
        QTest::mouseClick(list()->Image3, Qt::LeftButton);
        QVERIFY(lines().isEmpty());
        QVERIFY(list()->isVisible());
        m_reporter->report("c");
        QCOMPARE(lines(), QStringList({"c"}));
    }

    void theCloseBoxDiscardsTheLines()
    {
        m_reporter->report("a");
        QPointer<Form5> closed = list();
        subWindow()->close();
        QTRY_VERIFY(closed.isNull());
        QVERIFY(!list());
        m_reporter->report("b");
        QVERIFY(list());
        QCOMPARE(lines(), QStringList({"b"}));
        QVERIFY(list()->isVisible());
    }

    void aReportBringsTheListBeforeTheBrowserWindow()
    {
        m_reporter->report("a");
        auto *browser = qobject_cast<QMdiSubWindow *>(m_services->windows->find("frmBrowser")->parentWidget());
        m_frame->clientArea()->setActiveSubWindow(browser);
        QCOMPARE(m_frame->clientArea()->activeSubWindow(), browser);
        m_reporter->report("b");
        QCOMPARE(m_frame->clientArea()->activeSubWindow(), subWindow());
    }

    void theNewestLineIsInSight()
    {
        for (int i = 1; i <= 12; ++i)
            m_reporter->report(QString("falha %1").arg(i));
        QListWidget *box = list()->List1;
        const QRect last = box->visualItemRect(box->item(box->count() - 1));
        QVERIFY(box->viewport()->rect().contains(last));
    }

    void fixedWindowWithACloseBoxOnly()
    {
        m_reporter->report("a");
        QCOMPARE(list()->windowTitle(), QString("Diagnóstico de Erros"));
        const Qt::WindowFlags flags = subWindow()->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(subWindow()->minimumSize(), subWindow()->maximumSize());
        QCOMPARE(list()->size(), QSize(345, 111));
        QVERIFY(list()->Image2->toolTip().isEmpty());
        QVERIFY(list()->Image3->toolTip().isEmpty());
    }

private:
    Form5 *list() const { return qobject_cast<Form5 *>(m_services->windows->find("Form5")); }
    QMdiSubWindow *subWindow() const { return qobject_cast<QMdiSubWindow *>(list()->parentWidget()); }
    QStringList lines() const
    {
        QStringList texts;
        for (int i = 0; i < list()->List1->count(); ++i)
            texts << list()->List1->item(i)->text();
        return texts;
    }

    std::unique_ptr<TestServices> m_services;
    std::unique_ptr<ErrorListReporter> m_reporter;
    MDIForm1 *m_frame = nullptr;
};

QTEST_MAIN(TestErrorList)
#include "tst_errorlist.moc"
