// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeservices.h"
#include "frmbrowser.h"
#include "mdiform1.h"
#include "ombrano.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QtTest>

namespace {

// (key, value) pairs in the order the keys were first created.
using Entries = QList<QPair<QString, QString>>;

Entries history(std::initializer_list<QPair<int, QString>> numbered)
{
    Entries entries;
    for (const auto &[n, value] : numbered)
        entries.append({QString("URLHistory%1").arg(n), value});
    return entries;
}

QStringList addresses(int from, int to)
{
    QStringList list;
    for (int n = from; from <= to ? n <= to : n >= to; n += from <= to ? 1 : -1)
        list << QString("http://127.0.0.1/p%1").arg(n);
    return list;
}

} // namespace

class TestFavourites : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_services = std::make_unique<TestServices>(); }
    void cleanup()
    {
        m_frame = nullptr;
        m_services.reset();
    }

    void writeShiftsTheAddressesDown_data()
    {
        QTest::addColumn<Entries>("before");
        QTest::addColumn<QString>("address");
        QTest::addColumn<Entries>("after");
        QTest::newRow("first") << Entries() << "http://a/" << history({{1, "http://a/"}});
        QTest::newRow("second") << history({{1, "http://a/"}}) << "http://b/"
                                << history({{1, "http://b/"}, {2, "http://a/"}});
        QTest::newRow("third") << history({{1, "b"}, {2, "a"}}) << "c" << history({{1, "c"}, {2, "b"}, {3, "a"}});
        QTest::newRow("same as the newest") << history({{1, "a"}}) << "a" << history({{1, "a"}, {2, "a"}});
        QTest::newRow("leading spaces kept") << Entries() << "  http://a/ " << history({{1, "  http://a/ "}});
        QTest::newRow("empty") << history({{1, "a"}}) << "" << history({{1, "a"}});
        QTest::newRow("spaces only") << history({{1, "a"}}) << "   " << history({{1, "a"}});
        QTest::newRow("a tab is not a space") << Entries() << "\t" << history({{1, "\t"}});
        // An empty key is skipped: the key after it keeps its old value.
        QTest::newRow("gap") << history({{1, "a"}, {2, ""}, {3, "c"}}) << "x"
                             << history({{1, "x"}, {2, "a"}, {3, "c"}, {4, "c"}});
        QTest::newRow("tenth alone is never moved") << history({{10, "j"}}) << "x" << history({{10, "j"}, {1, "x"}});
        Entries full;
        Entries shifted = history({{1, "new"}});
        for (int n = 1; n <= 10; ++n) {
            full.append({QString("URLHistory%1").arg(n), QString("u%1").arg(n)});
            if (n > 1)
                shifted.append({QString("URLHistory%1").arg(n), QString("u%1").arg(n - 1)});
        }
        QTest::newRow("eleventh drops the oldest") << full << "new" << shifted;
    }
    void writeShiftsTheAddressesDown()
    {
        QFETCH(Entries, before);
        QFETCH(QString, address);
        QFETCH(Entries, after);
        seed(before);
        start();
        m_frame->WriteRecentURLs(address);
        QCOMPARE(stored(), after);
    }

    void withNothingStoredTheMenuHoldsOnlyAdd()
    {
        start();
        QCOMPARE(visibleItems(), QStringList({"addd", "seeee"}));
    }

    void addingShowsTheNewestFirstAndKeepsTen_data()
    {
        QTest::addColumn<int>("added");
        QTest::addColumn<QStringList>("menu");
        QTest::newRow("one") << 1 << addresses(1, 1);
        QTest::newRow("three") << 3 << addresses(3, 1);
        QTest::newRow("ten") << 10 << addresses(10, 1);
        QTest::newRow("eleven") << 11 << addresses(11, 2);
        QTest::newRow("twelve") << 12 << addresses(12, 3);
    }
    void addingShowsTheNewestFirstAndKeepsTen()
    {
        QFETCH(int, added);
        QFETCH(QStringList, menu);
        start();
        for (const QString &address : addresses(1, added))
            add(address);
        QCOMPARE(menuAddresses(), menu);
        QCOMPARE(stored().size(), menu.size());
        QCOMPARE(stored().first().second, menu.first());
        QCOMPARE(stored().last().second, menu.last());
    }

    void aBlankAddressBoxAddsNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("spaces") << "    ";
    }
    void aBlankAddressBoxAddsNothing()
    {
        QFETCH(QString, text);
        start();
        add("http://127.0.0.1/a");
        add(text);
        QCOMPARE(stored(), history({{1, "http://127.0.0.1/a"}}));
        QCOMPARE(menuAddresses(), QStringList({"http://127.0.0.1/a"}));
        QVERIFY(m_services->errors.lines.isEmpty());
    }

    void addingTheNewestAgainShowsItTwice()
    {
        start();
        add("http://127.0.0.1/a");
        add("http://127.0.0.1/a");
        QCOMPARE(menuAddresses(), QStringList({"http://127.0.0.1/a", "http://127.0.0.1/a"}));
    }

    void theMenuFollowsTheOrderKeysWereFirstStored_data()
    {
        QTest::addColumn<Entries>("stored");
        QTest::addColumn<QStringList>("menu");
        QTest::newRow("in order") << history({{1, "a"}, {2, "b"}, {3, "c"}}) << QStringList({"a", "b", "c"});
        QTest::newRow("second key first") << history({{2, "b"}, {1, "a"}}) << QStringList({"b", "a"});
        QTest::newRow("mixed") << history({{3, "c"}, {1, "a"}, {2, "b"}}) << QStringList({"c", "a", "b"});
        QTest::newRow("tenth between") << history({{1, "a"}, {10, "j"}, {2, "b"}}) << QStringList({"a", "j", "b"});
        QTest::newRow("empty values shown too") << history({{1, "a"}, {2, ""}, {3, "c"}})
                                                << QStringList({"a", "", "c"});
        QTest::newRow("newest key empty") << history({{1, ""}, {2, "b"}}) << QStringList();
        QTest::newRow("newest key absent") << history({{2, "b"}, {3, "c"}}) << QStringList();
    }
    void theMenuFollowsTheOrderKeysWereFirstStored()
    {
        QFETCH(Entries, stored);
        QFETCH(QStringList, menu);
        seed(stored);
        start();
        QCOMPARE(menuAddresses(), menu);
    }

    void theMenuIsFilledBeforeTheBrowserWindowOpens()
    {
        seed(history({{1, "http://127.0.0.1/a"}}));
        bool filled = false;
        connect(m_services->windows.get(), &WindowRegistry::windowCreated, this,
                [this, &filled](const QString &name) {
                    if (name == "frmBrowser")
                        filled = frame()->mnuURLHistory.first()->isVisible();
                });
        start();
        QVERIFY(filled);
    }

    void afterARestartTheMenuIsTheSame()
    {
        start();
        for (const QString &address : addresses(1, 4))
            add(address);
        restart();
        QCOMPARE(menuAddresses(), addresses(4, 1));
        add("http://127.0.0.1/p5");
        restart();
        QCOMPARE(menuAddresses(), addresses(5, 1));
    }

    void anAmpersandShowsAsTypedAndOpensExactly()
    {
        const QString address = "http://127.0.0.1/?a=1&b=2&&c";
        start();
        add(address);
        QAction *item = m_frame->mnuURLHistory.first();
        // A menu shows "&&" as one "&" and takes a single "&" as a mnemonic.
        QCOMPARE(item->text(), QString("http://127.0.0.1/?a=1&&b=2&&&&c"));
        QCOMPARE(stored(), history({{1, address}}));
        restart();
        item = m_frame->mnuURLHistory.first();
        QCOMPARE(item->text(), QString("http://127.0.0.1/?a=1&&b=2&&&&c"));
        item->trigger();
        QCOMPARE(browser()->cboAddress->currentText(), address);
        QCOMPARE(control(browser())->navigations().last(), address);
    }

    void anItemOpensInTheDefaultBrowserWindowWithTheFocusInTheAddressBox()
    {
        seed(history({{1, "http://127.0.0.1/new"}, {2, "  http://127.0.0.1/old"}}));
        start();
        frmBrowser *first = browser();
        m_frame->item("newww")->trigger();
        auto *other = qobject_cast<frmBrowser *>(m_frame->clientArea()->activeSubWindow()->widget());
        QVERIFY(other && other != first);
        control(first)->calls.clear();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame));

        m_frame->mnuURLHistory.at(1)->trigger();
        QCOMPARE(first->cboAddress->currentText(), QString("  http://127.0.0.1/old"));
        QCOMPARE(control(first)->calls, QStringList({"Navigate   http://127.0.0.1/old"}));
        QVERIFY(!control(other)->navigations().contains("  http://127.0.0.1/old"));
        QTRY_VERIFY(first->cboAddress->hasFocus());
    }

    void aClosedDefaultBrowserWindowIsMadeAgainForAnItem()
    {
        seed(history({{1, "http://127.0.0.1/a"}}));
        start();
        QPointer<frmBrowser> closed = browser();
        WindowRegistry::closeWindow(closed);
        QTRY_VERIFY(closed.isNull());
        m_frame->mnuURLHistory.first()->trigger();
        frmBrowser *again = browser();
        QVERIFY(again);
        QVERIFY(again->isVisible());
        QCOMPARE(again->cboAddress->currentText(), QString("http://127.0.0.1/a"));
        QCOMPARE(control(again)->navigations().last(), QString("http://127.0.0.1/a"));
    }

    void aFailingNavigationIsReported()
    {
        seed(history({{1, "http://127.0.0.1/a"}}));
        start();
        control(browser())->failing = QStringList({"Navigate"});
        m_frame->mnuURLHistory.first()->trigger();
        QCOMPARE(m_services->errors.lines, QStringList({"Navigate falhou"}));
        QCOMPARE(m_services->program.ended, 0);
    }

    void aStoreThatCannotBeWrittenIsReported()
    {
        // A path under a regular file can never be created.
        QFile blocker(m_services->folder.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SqliteSettingsStore broken(blocker.fileName() + "/settings.sqlite");
        TestServices &t = *m_services;
        Services services{broken,  t.messages, t.shell, t.dialogs, *t.browsers, t.openBrowsers,
                          t.program, *t.windows, t.errors, t.clock, t.connection, t.beat, t.programFolder()};
        m_frame = startOmbrano(services);
        add("http://127.0.0.1/a");
        QCOMPARE(m_services->errors.lines.size(), 1);
        QCOMPARE(menuAddresses(), QStringList());
        m_services->windows.reset();
    }

private:
    void start() { m_frame = startOmbrano(*m_services->services); }
    // As the program's next run: new windows on a new store object.
    void restart()
    {
        m_services->windows = std::make_unique<WindowRegistry>();
        m_services->reopenSettings();
        start();
    }
    MDIForm1 *frame() const { return qobject_cast<MDIForm1 *>(m_services->windows->find("MDIForm1")); }
    frmBrowser *browser() const { return qobject_cast<frmBrowser *>(m_services->windows->find("frmBrowser")); }
    static FakeWebBrowser *control(frmBrowser *w) { return qobject_cast<FakeWebBrowser *>(w->brwWebBrowser); }

    void seed(const Entries &entries)
    {
        for (const auto &[key, value] : entries)
            m_services->settings->write("Ombrano", "Favoritos", key, value);
    }
    Entries stored() const
    {
        Entries entries;
        for (const auto &entry : m_services->settings->list("Ombrano", "Favoritos"))
            entries.append(entry);
        return entries;
    }
    void add(const QString &address)
    {
        browser()->cboAddress->setEditText(address);
        m_frame->item("addd")->trigger();
    }
    QStringList visibleItems() const
    {
        QStringList names;
        for (const QAction *action : m_frame->menuNamed("favoritos")->actions()) {
            if (action->isVisible())
                names << action->objectName();
        }
        return names;
    }
    // The addresses the visible history items stand for, in menu order.
    QStringList menuAddresses() const
    {
        QStringList shown;
        for (const QAction *action : m_frame->mnuURLHistory) {
            if (action->isVisible())
                shown << QString(action->text()).replace("&&", "&");
        }
        return shown;
    }

    std::unique_ptr<TestServices> m_services;
    MDIForm1 *m_frame = nullptr;
};

QTEST_MAIN(TestFavourites)
#include "tst_favourites.moc"
