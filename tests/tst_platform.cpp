// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "failure.h"
#include "sqlitesettingsstore.h"
#include "textcodec.h"
#include "twips.h"
#include "windowregistry.h"
#include "designwindow.h"

#include <QFile>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class CountingWindow : public QWidget, public DesignWindow
{
public:
    static inline int loads = 0;
    void load() override { ++loads; }
};

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void readGivesDefaultForAbsentKey()
    {
        SqliteSettingsStore store(path());
        QCOMPARE(store.read("Ombrano", "Options", "MusicBar", "0"), QString("0"));
        QCOMPARE(store.read("Ombrano", "Options", "MusicBar"), QString());
    }

    void valuesSurviveReopeningTheStore()
    {
        {
            SqliteSettingsStore store(path());
            store.write("Zevadori Reduzud", "Notas", "Nota", "linha 1\r\nlinha 2 ção");
            store.write("Zevadori Reduzud", "Notas", "Nota", "nova");
            store.write("Ombrano", "Options", "Beep", "1");
        }
        SqliteSettingsStore store(path());
        QCOMPARE(store.read("Zevadori Reduzud", "Notas", "Nota"), QString("nova"));
        QCOMPARE(store.read("Ombrano", "Options", "Beep"), QString("1"));
    }

    void keysMatchWithoutRegardToCase()
    {
        SqliteSettingsStore store(path());
        store.write("Ombrano", "Favoritos", "URLHistory1", "a");
        store.write("ombrano", "favoritos", "urlhistory1", "b");
        QCOMPARE(store.read("OMBRANO", "FAVORITOS", "URLHISTORY1"), QString("b"));
        QCOMPARE(store.list("Ombrano", "Favoritos").size(), 1);
    }

    void listKeepsFirstCreationOrder()
    {
        SqliteSettingsStore store(path());
        // Created newest first, then rewritten in the other order: the
        // listing follows creation, not the last write and not the names.
        for (int i = 10; i >= 1; --i)
            store.write("Ombrano", "Favoritos", QString("URLHistory%1").arg(i), QString("v%1").arg(i));
        for (int i = 1; i <= 10; ++i)
            store.write("Ombrano", "Favoritos", QString("URLHistory%1").arg(i), QString("w%1").arg(i));
        store.write("Ombrano", "Options", "MusicBar", "1");

        SqliteSettingsStore reopened(path());
        const auto entries = reopened.list("Ombrano", "Favoritos");
        QCOMPARE(entries.size(), 10);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(entries[i].first, QString("URLHistory%1").arg(10 - i));
            QCOMPARE(entries[i].second, QString("w%1").arg(10 - i));
        }
        QVERIFY(reopened.list("Ombrano", "Nada").isEmpty());
    }

    void storeFileIsReadableByItsOwnerOnly()
    {
        SqliteSettingsStore store(path());
        store.write("Ombrano", "Options", "Beep", "1");
        const auto permissions = QFile(path()).permissions();
        QVERIFY(permissions & QFileDevice::ReadOwner);
        QVERIFY(!(permissions & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteOther)));
    }

    void unusableStoreGivesDefaultsAndReportsWrites()
    {
        // A path under a regular file can never be created.
        QFile blocker(m_dir->filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SqliteSettingsStore store(m_dir->filePath("blocker/settings.sqlite"));
        QVERIFY(!store.isOpen());
        QCOMPARE(store.read("Ombrano", "Options", "MusicBar", "0"), QString("0"));
        QVERIFY(store.list("Ombrano", "Favoritos").isEmpty());
        const auto failure = firstFailure([&] { store.write("Ombrano", "Options", "MusicBar", "1"); });
        QVERIFY(failure.has_value());
        QVERIFY(!failure->isEmpty());
    }

    void windows1252RoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii with CR LF") << QString("a\r\nb") << QByteArray("a\r\nb");
        QTest::newRow("latin letters") << QString("ção") << QByteArray("\xe7\xe3o");
        QTest::newRow("euro and quotes") << QString("€ “x”") << QByteArray("\x80 \x93x\x94");
    }
    void windows1252RoundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(textcodec::toWindows1252(text), bytes);
        QCOMPARE(textcodec::fromWindows1252(bytes), text);
    }

    void charactersOutsideTheCodePageBecomeQuestionMarks()
    {
        QCOMPARE(textcodec::toWindows1252(QString("a\u4e2d\u0394b")), QByteArray("a??b"));
    }

    void appendingToAnUnwritablePathFails()
    {
        const QString missing = m_dir->filePath("no/such/folder/file.txt");
        QVERIFY(firstFailure([&] { textcodec::appendTextFile(missing, "x"); }).has_value());
        QVERIFY(firstFailure([&] { textcodec::appendTextFile("", "x"); }).has_value());
        const QString file = m_dir->filePath("f.txt");
        textcodec::appendTextFile(file, "um\r\n");
        textcodec::appendTextFile(file, "dois\r\n");
        QCOMPARE(textcodec::readTextFile(file), QString("um\r\ndois\r\n"));
    }

    void resumeNextSkipsOnlyTheFailingStep()
    {
        QStringList ran;
        resumeNext({[&] { ran << "1"; }, [&] { throw Failure("x"); }, [&] { ran << "3"; }});
        QCOMPARE(ran, QStringList({"1", "3"}));
        QCOMPARE(firstFailure([] { throw Failure("descrição"); }).value_or(""), QString("descrição"));
    }

    void twipsConvertAtFifteenToThePixel()
    {
        QCOMPARE(twips::toPixels(1440), 96);
        QCOMPARE(twips::rect(120, 1320, 150, 285), QRect(8, 88, 10, 19));
    }

    void registryKeepsOneDefaultInstanceUntilClosed()
    {
        WindowRegistry registry;
        QMdiArea area;
        area.show();
        registry.setFrameArea(&area);
        int made = 0;
        registry.define("Tool", WindowRegistry::Placement::FrameChild, [&] {
            ++made;
            auto *w = new CountingWindow;
            w->setObjectName("Tool");
            return w;
        });
        CountingWindow::loads = 0;
        QWidget *first = registry.show("Tool");
        QCOMPARE(registry.get("Tool"), first);
        QCOMPARE(made, 1);
        QCOMPARE(CountingWindow::loads, 1);
        QVERIFY(first->isVisible());

        QPointer<QWidget> closed = first;
        WindowRegistry::closeWindow(first);
        QTRY_VERIFY(closed.isNull());
        QCOMPARE(registry.find("Tool"), nullptr);
        QVERIFY(registry.get("Tool"));
        QCOMPARE(made, 2);
        QVERIFY(registry.createInstance("Tool") != registry.get("Tool"));
        QCOMPARE(registry.get("Nothing"), nullptr);
    }

private:
    QString path() const { return m_dir->filePath("store/settings.sqlite"); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
