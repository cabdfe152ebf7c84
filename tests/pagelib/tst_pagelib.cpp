// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "c_filesplit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibrary>
#include <QProcess>
#include <QRegularExpression>
#include <QResource>
#include <QScopeGuard>
#include <QTest>

#include <algorithm>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString libraryFile = QStringLiteral(TESSALINE_FILE);
const QString versionPath = u":/16/1/1033"_s;

QString pagePath(const QString &name)
{
    return u":/23/"_s + name + u"/2070"_s;
}

// Holds libtessaline loaded for the scope of a test.
class LoadedLibrary
{
public:
    LoadedLibrary()
        : m_library(libraryFile)
    {
        m_library.load();
    }
    ~LoadedLibrary()
    {
        if (m_library.isLoaded())
            m_library.unload();
    }
    Q_DISABLE_COPY_MOVE(LoadedLibrary)

    bool isLoaded() const { return m_library.isLoaded(); }
    QString errorString() const { return m_library.errorString(); }

private:
    QLibrary m_library;
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isAsciiText(char c)
{
    return c == '\t' || c == '\n' || c == '\r' || (c >= 0x20 && c <= 0x7e);
}

} // namespace

class tst_PageLib : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void resourcesLiveFromLoadToUnload_data();
    void resourcesLiveFromLoadToUnload();
    void pageIsStoredAsItsSourceBytes_data();
    void pageIsStoredAsItsSourceBytes();
    void pageHoldsItsMarkup_data();
    void pageHoldsItsMarkup();
    void resourceFolderHoldsOnlyItsNames_data();
    void resourceFolderHoldsOnlyItsNames();
    void versionBlockReadsBack();
    void versionStringEntry_data();
    void versionStringEntry();
    void libraryExportsNoFunction();

    void fileSplitCreateAsksForItsControl_data();
    void fileSplitCreateAsksForItsControl();
    void fileSplitIsDynamicallyCreatable();
};

void tst_PageLib::initTestCase()
{
    QVERIFY2(QFileInfo::exists(libraryFile), qPrintable(libraryFile));
    // Every check below relies on the resources coming from the library alone.
    QVERIFY(!QFileInfo::exists(u":/23"_s));
    QVERIFY(!QFileInfo::exists(u":/16"_s));
}

void tst_PageLib::resourcesLiveFromLoadToUnload_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("page not found") << pagePath(u"5000"_s);
    QTest::newRow("welcome page") << pagePath(u"5001"_s);
    QTest::newRow("version block") << versionPath;
    QTest::newRow("html type") << u":/23"_s;
    QTest::newRow("version type") << u":/16"_s;
}

void tst_PageLib::resourcesLiveFromLoadToUnload()
{
    QFETCH(QString, path);

    // A second round shows that unloading left nothing behind that would
    // stop the library from registering again.
    for (int round = 1; round <= 2; ++round) {
        QLibrary library(libraryFile);
        QVERIFY2(library.load(), qPrintable(library.errorString()));
        QVERIFY2(QFileInfo::exists(path), qPrintable(u"round %1"_s.arg(round)));
        QVERIFY2(library.unload(), qPrintable(library.errorString()));
        QVERIFY2(!QFileInfo::exists(path), qPrintable(u"round %1"_s.arg(round)));
        QVERIFY(!QFile(path).open(QIODevice::ReadOnly));
    }
}

void tst_PageLib::pageIsStoredAsItsSourceBytes_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("page not found") << u"5000"_s;
    QTest::newRow("welcome page") << u"5001"_s;
}

void tst_PageLib::pageIsStoredAsItsSourceBytes()
{
    QFETCH(QString, name);
    LoadedLibrary library;
    QVERIFY2(library.isLoaded(), qPrintable(library.errorString()));

    const QResource resource(pagePath(name));
    QVERIFY(resource.isValid());
    QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
    const QByteArray stored(reinterpret_cast<const char *>(resource.data()), resource.size());

    const QByteArray source = readAll(QStringLiteral(TESSALINE_PAGES_DIR) + u'/' + name + u".htm"_s);
    QVERIFY(!source.isEmpty());
    QCOMPARE(stored, source);
    QCOMPARE(readAll(pagePath(name)), source);

    const qsizetype strange = std::find_if_not(stored.cbegin(), stored.cend(), isAsciiText) - stored.cbegin();
    if (strange < stored.size())
        QFAIL(qPrintable(u"byte 0x%1 at offset %2"_s.arg(uint(uchar(stored.at(strange))), 2, 16, QChar(u'0')).arg(strange)));
}

void tst_PageLib::pageHoldsItsMarkup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("fragment");
    QTest::addColumn<bool>("present");

    const QByteArray doctype = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">";
    const QByteArray object = "<object id=\"ErrorHtml\" classid=\"clsid:4C3BA168-C8DC-4B5C-9FF0-18CC594B6BE1\" "
                              "width=\"0\" height=\"0\">";
    const QByteArray image = "<img border=\"0\" src=\"Ombrano.JPG\" width=\"450\" height=\"372\" alt=\"Ombrano\">";
    const QByteArray language = "<meta http-equiv=\"Content-Language\" content=\"pt\">";

    for (const QString &name : {u"5000"_s, u"5001"_s}) {
        const QByteArray row = name.toLatin1();
        QTest::addRow("%s starts with its doctype", row.data()) << name << doctype + '\n' << true;
        QTest::addRow("%s content language", row.data()) << name << language << true;
        QTest::addRow("%s invisible object", row.data()) << name << object << true;
        QTest::addRow("%s picture", row.data()) << name << image << true;
    }

    const QString notFound = u"5000"_s;
    QTest::newRow("5000 content type") << notFound << QByteArray("content=\"text/html; \">") << true;
    QTest::newRow("5000 declares no charset") << notFound << QByteArray("charset") << false;
    QTest::newRow("5000 title")
        << notFound << QByteArray("<title>Castorin Explorer - P&aacute;gina n&atilde;o encontrada!</title>")
        << true;
    QTest::newRow("5000 body")
        << notFound
        << QByteArray("<body bgcolor=\"#000000\" text=\"#ffffff\" link=\"#000000\" vlink=\"#000000\" "
                      "alink=\"#000000\">\n<object ")
        << true;
    QTest::newRow("5000 heading font")
        << notFound << QByteArray("<p align=\"center\"><font face=\"Fixedsys\" size=\"6\"><b><font color=\"#ff0000\">")
        << true;
    QTest::newRow("5000 heading")
        << notFound << QByteArray(">P&aacute;gina\nn&atilde;o  encontrada!</font><br>\n") << true;
    QTest::newRow("5000 first sentence")
        << notFound
        << QByteArray("<font color=\"#ffffff\">A p&aacute;gina pretendida n&atilde;o foi\n"
                      "encontrada! Verifique se escreveu bem o endere&ccedil;o ou  o dom&iacute;nio!<br>\n")
        << true;
    QTest::newRow("5000 second sentence")
        << notFound
        << QByteArray("\nO problema tamb&eacute;m pode ser a sua connec&ccedil;&atilde;o que  pode\n"
                      "ter ido abaixo ou n&atilde;o est&aacute; activada!<br>\n")
        << true;
    QTest::newRow("5000 closing empty lines")
        << notFound << QByteArray("<p align=\"center\"><font color=\"#ffffff\"><br>\n<br>\n</font><br>\n</p>")
        << true;

    const QString welcome = u"5001"_s;
    QTest::newRow("5001 content type")
        << welcome << QByteArray("content=\"text/html; charset=windows-1252\">") << true;
    QTest::newRow("5001 writes no character reference") << welcome << QByteArray("&") << false;
    QTest::newRow("5001 title") << welcome << QByteArray("<title>Castorin Explorer - Bem Vindo</title>") << true;
    QTest::newRow("5001 paragraph font")
        << welcome << QByteArray("\t{margin:0cm;\n\tfont-size:12.0pt;\n\tfont-family:\"Times New Roman\";\n"
                                 "\tcolor:white;}")
        << true;
    QTest::newRow("5001 visited links")
        << welcome << QByteArray("a:visited\n\t{color:black;\n\ttext-decoration:underline;}") << true;
    QTest::newRow("5001 A4 page")
        << welcome << QByteArray("{size:595.3pt 841.9pt;\n\tmargin:70.85pt 3.0cm 70.85pt 3.0cm;}") << true;
    QTest::newRow("5001 body")
        << welcome
        << QByteArray("<body bgcolor=\"black\" lang=\"PT\" link=\"black\" vlink=\"black\" alink=\"#000000\">\n\n"
                      "<div class=\"Section1\">")
        << true;
    QTest::newRow("5001 heading")
        << welcome
        << QByteArray("<b><span style=\"font-size:24.0pt;font-family:Fixedsys;color:red\"><object id=\"ErrorHtml\"")
        << true;
    QTest::newRow("5001 product name") << welcome << QByteArray("</object>Ombrano Explorer<br>\n") << true;
    QTest::newRow("5001 site link")
        << welcome
        << QByteArray("Visite o site do Ombrano <a href=\"http://www.ombrano.pt/\">"
                      "<span style=\"color:rgb(51,102,255)\">Click Aqui</span></a>")
        << true;
    QTest::newRow("5001 break after the division") << welcome << QByteArray("</div>\n<br>\n") << true;
}

void tst_PageLib::pageHoldsItsMarkup()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, fragment);
    QFETCH(bool, present);
    LoadedLibrary library;
    QVERIFY2(library.isLoaded(), qPrintable(library.errorString()));

    const QByteArray page = readAll(pagePath(name));
    QVERIFY(!page.isEmpty());
    if (fragment.startsWith("<!DOCTYPE"))
        QVERIFY(page.startsWith(fragment));
    QCOMPARE(page.contains(fragment), present);
}

void tst_PageLib::resourceFolderHoldsOnlyItsNames_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("html names") << u":/23"_s << QStringList{u"5000"_s, u"5001"_s};
    QTest::newRow("5000 languages") << u":/23/5000"_s << QStringList{u"2070"_s};
    QTest::newRow("5001 languages") << u":/23/5001"_s << QStringList{u"2070"_s};
    QTest::newRow("version names") << u":/16"_s << QStringList{u"1"_s};
    QTest::newRow("version languages") << u":/16/1"_s << QStringList{u"1033"_s};
}

void tst_PageLib::resourceFolderHoldsOnlyItsNames()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, names);
    LoadedLibrary library;
    QVERIFY2(library.isLoaded(), qPrintable(library.errorString()));

    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name), names);
}

namespace {
std::optional<QJsonObject> readVersionBlock()
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(readAll(versionPath), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        qWarning().noquote() << "version block:" << error.errorString();
        return std::nullopt;
    }
    return document.object();
}
}

void tst_PageLib::versionBlockReadsBack()
{
    LoadedLibrary library;
    QVERIFY2(library.isLoaded(), qPrintable(library.errorString()));
    const std::optional<QJsonObject> block = readVersionBlock();
    QVERIFY(block);

    QCOMPARE(block->value("FileVersion"_L1).toString(), u"1.0.0.1"_s);
    QCOMPARE(block->value("ProductVersion"_L1).toString(), u"1.0.0.1"_s);
    QCOMPARE(block->value("FileOS"_L1).toString(), u"VOS__WINDOWS32"_s);
    QCOMPARE(block->value("FileType"_L1).toString(), u"VFT_DLL"_s);

    const QJsonObject tables = block->value("StringFileInfo"_L1).toObject();
    QCOMPARE(tables.keys(), QStringList{u"040904B0"_s});
    QCOMPARE(tables.value("040904B0"_L1).toObject().keys(),
             (QStringList{u"CompanyName"_s, u"FileDescription"_s, u"FileVersion"_s, u"InternalName"_s,
                          u"LegalTrademarks"_s, u"OriginalFilename"_s, u"ProductName"_s, u"ProductVersion"_s}));

    const QJsonArray translations = block->value("VarFileInfo"_L1).toObject().value("Translation"_L1).toArray();
    QCOMPARE(translations.size(), 1);
    QCOMPARE(translations.at(0).toObject().value("Language"_L1).toInt(), 0x0409);
    QCOMPARE(translations.at(0).toObject().value("CodePage"_L1).toInt(), 0x04b0);
}

void tst_PageLib::versionStringEntry_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("CompanyName") << u"CompanyName"_s << QString();
    QTest::newRow("FileDescription") << u"FileDescription"_s << u"Tessaline DLL"_s;
    QTest::newRow("FileVersion") << u"FileVersion"_s << u"1, 0, 0, 1"_s;
    QTest::newRow("InternalName") << u"InternalName"_s << u"Tessaline"_s;
    QTest::newRow("LegalTrademarks") << u"LegalTrademarks"_s << QString();
    QTest::newRow("OriginalFilename") << u"OriginalFilename"_s << u"Tessaline.DLL"_s;
    QTest::newRow("ProductName") << u"ProductName"_s << u"Tessaline Dynamic Link Library"_s;
    QTest::newRow("ProductVersion") << u"ProductVersion"_s << u"1, 0, 0, 1"_s;
}

void tst_PageLib::versionStringEntry()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    LoadedLibrary library;
    QVERIFY2(library.isLoaded(), qPrintable(library.errorString()));
    const std::optional<QJsonObject> block = readVersionBlock();
    QVERIFY(block);

    const QJsonValue entry = block->value("StringFileInfo"_L1).toObject().value("040904B0"_L1).toObject().value(key);
    QVERIFY(entry.isString());
    QCOMPARE(entry.toString(), value);
}

void tst_PageLib::libraryExportsNoFunction()
{
    // Code (T), weak code (W) and indirect functions (i). Data is left out:
    // sanitizer builds export the type info of Qt's own classes.
    const QString functionTypes = u"TWi"_s;
    // The linker gives every shared object these two.
    const QStringList toolchain{u"_init"_s, u"_fini"_s};

    QString nm = QStringLiteral(TESSALINE_NM);
    if (nm.isEmpty())
        nm = u"nm"_s;
    QProcess process;
    process.start(nm, {u"--dynamic"_s, u"--defined-only"_s, libraryFile});
    QVERIFY2(process.waitForFinished(), qPrintable(nm + u": "_s + process.errorString()));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());

    QStringList exported;
    const QString listing = QString::fromLocal8Bit(process.readAllStandardOutput());
    for (const QString &line : listing.split(u'\n', Qt::SkipEmptyParts)) {
        // "<value> <type> <name>"; a symbol version may follow the name.
        const QStringList fields = line.simplified().split(u' ');
        QVERIFY2(fields.size() >= 3 && fields.at(1).size() == 1, qPrintable(line));
        const QString name = fields.at(2).section(u'@', 0, 0);
        if (functionTypes.contains(fields.at(1)) && !toolchain.contains(name))
            exported << name;
    }
    QVERIFY2(exported.isEmpty(), qPrintable(exported.join(u", "_s)));
}

void tst_PageLib::fileSplitCreateAsksForItsControl_data()
{
    QTest::addColumn<bool>("hasContainer");
    QTest::addColumn<bool>("containerCreates");
    QTest::newRow("no control container") << false << false;
    QTest::newRow("container lacks the control") << true << false;
    QTest::newRow("container has the control") << true << true;
}

void tst_PageLib::fileSplitCreateAsksForItsControl()
{
    QFETCH(bool, hasContainer);
    QFETCH(bool, containerCreates);

    std::optional<ControlRequest> asked;
    Wnd::ControlContainer container;
    if (hasContainer) {
        container = [&](Wnd &, const ControlRequest &request) {
            asked = request;
            return containerCreates;
        };
    }
    const Wnd::ControlContainer previous = Wnd::setControlContainer(container);
    const auto restore = qScopeGuard([&] { Wnd::setControlContainer(previous); });

    Wnd parent;
    C_FileSplit window;
    if (!containerCreates)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"7aa752b5-aa83-11d3-8e15-cb993a1be82b"_s));
    const bool created = window.Create(u"SomeWindowClass"_s, u"Split"_s, 0x50000000, QRect(1, 2, 30, 40),
                                       &parent, 7);
    QCOMPARE(created, containerCreates);
    QCOMPARE(window.isCreated(), containerCreates);

    QCOMPARE(asked.has_value(), hasContainer);
    if (asked) {
        QCOMPARE(asked->classId, QUuid(u"{7AA752B5-AA83-11D3-8E15-CB993A1BE82B}"_s));
        QCOMPARE(asked->windowName, u"Split"_s);
        QCOMPARE(asked->style, 0x50000000u);
        QCOMPARE(asked->rect, QRect(1, 2, 30, 40));
        QCOMPARE(asked->parentWindow, &parent);
        QCOMPARE(asked->childId, 7);
    }
}

void tst_PageLib::fileSplitIsDynamicallyCreatable()
{
    const std::unique_ptr<QObject> object(C_FileSplit::staticMetaObject.newInstance());
    QVERIFY(object);
    QCOMPARE(object->metaObject()->className(), "C_FileSplit");
    QCOMPARE(object->metaObject()->superClass(), &Wnd::staticMetaObject);
}

QTEST_GUILESS_MAIN(tst_PageLib)
#include "tst_pagelib.moc"
