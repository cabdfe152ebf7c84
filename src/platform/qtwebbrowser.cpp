// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtwebbrowser.h"

#include "downloadswindow.h"
#include "failure.h"
#include "filedialogs.h"
#include "logging.h"
#include "messagebox.h"
#include "qtwebdocument.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

// The page of a control: hands new-window requests to the control and keeps
// the engine's console chatter out of the program's output.
class EnginePage : public QWebEnginePage
{
public:
    EnginePage(QWebEngineProfile *profile, QtWebBrowser *browser)
        : QWebEnginePage(profile, browser), m_browser(browser)
    {
    }

protected:
    QWebEnginePage *createWindow(WebWindowType) override { return m_browser->pageForNewWindow(); }

    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &message, int line,
                                  const QString &source) override
    {
        qCDebug(lcEngine) << source << line << message;
    }

private:
    QtWebBrowser *m_browser;
};

namespace {

// The only loading state of the old control that showed text of its own.
QString aboutPageHtml(const QString &address)
{
    const QString text = address.mid(int(qstrlen("about:")));
    return QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                          "<body>%2</body></html>")
        .arg(address.toHtmlEscaped(), text.toHtmlEscaped());
}

bool isAboutAddress(const QString &address)
{
    return address.startsWith(QLatin1String("about:"), Qt::CaseInsensitive);
}

} // namespace

QUrl addressToUrl(const QString &address)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        throw Failure(QStringLiteral("Endereço vazio"));
    if (isAboutAddress(text))
        return QUrl(text);
    const QFileInfo file(text);
    if (file.isAbsolute())
        return QUrl::fromLocalFile(file.absoluteFilePath());
    const QUrl url = QUrl::fromUserInput(text);
    if (!url.isValid())
        throw Failure(QStringLiteral("Endereço inválido: %1").arg(address));
    return url;
}

QtWebBrowser::QtWebBrowser(QtWebBrowserFactory &factory, QWidget *parent)
    : WebBrowser(parent), m_factory(factory), m_view(new QWebEngineView(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    m_view->setPage(new EnginePage(factory.profile(), this));
    m_document = std::make_unique<QtWebDocument>(*this);
    setFocusProxy(m_view);
    connectPage();
}

QtWebBrowser::~QtWebBrowser() = default;

QWebEnginePage *QtWebBrowser::page() const
{
    return m_view->page();
}

void QtWebBrowser::connectPage()
{
    QWebEnginePage *p = page();
    connect(p, &QWebEnginePage::loadStarted, this, &QtWebBrowser::onLoadStarted);
    connect(p, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        switch (info.status()) {
        case QWebEngineLoadingInfo::LoadStartedStatus:
            return;
        case QWebEngineLoadingInfo::LoadFailedStatus:
            onLoadingEnded(true, info.errorCode(), info.url().toString());
            return;
        default:
            onLoadingEnded(false, 0, info.url().toString());
        }
    });
    connect(p, &QWebEnginePage::urlChanged, this, &QtWebBrowser::onUrlChanged);
    connect(p, &QWebEnginePage::loadProgress, this, [this](int progress) { emit ProgressChange(progress, 100); });
    connect(p, &QWebEnginePage::titleChanged, this, [this] { emit TitleChange(LocationName()); });
    connect(p, &QWebEnginePage::linkHovered, this, [this](const QString &url) { emit StatusTextChange(url); });
    connect(p, &QWebEnginePage::windowCloseRequested, this, [this] {
        // Only windows a script opened may be closed by a script.
        if (m_openedByScript)
            hostWindow()->close();
    });
}

void QtWebBrowser::onLoadStarted()
{
    m_requested = false;
    m_loading = true;
    emit StatusTextChange(QStringLiteral("A abrir %1...").arg(LocationURL()));
}

void QtWebBrowser::onUrlChanged(const QUrl &url)
{
    m_requested = false;
    if (!m_loadingAbout && !url.isEmpty())
        m_aboutAddress.clear();
    // The address changes when a navigation commits, or within the page
    // when it moves to an anchor.
    emit NavigateComplete2(this, LocationURL());
}

void QtWebBrowser::onLoadingEnded(bool failed, int statusCode, const QString &address)
{
    m_loading = false;
    m_loadingAbout = false;
    emit StatusTextChange(failed ? QStringLiteral("Erro ao abrir a página") : QStringLiteral("Concluído"));
    if (failed) {
        bool cancel = false;
        emit NavigateError(this, address, QString(), statusCode, &cancel);
    }
    emit DownloadComplete();
}

void QtWebBrowser::load(const QUrl &url)
{
    if (isAboutAddress(url.toString())) {
        showAboutPage(url.toString());
        return;
    }
    m_requested = true;
    page()->load(url);
}

void QtWebBrowser::showAboutPage(const QString &address)
{
    m_requested = true;
    if (address.compare(QLatin1String("about:blank"), Qt::CaseInsensitive) == 0) {
        m_aboutAddress.clear();
        page()->load(QUrl(QStringLiteral("about:blank")));
        return;
    }
    m_aboutAddress = address;
    m_loadingAbout = true;
    page()->setHtml(aboutPageHtml(address), QUrl(QStringLiteral("about:blank")));
}

void QtWebBrowser::Navigate(const QString &address)
{
    const QUrl url = addressToUrl(address);
    if (isAboutAddress(address.trimmed()))
        showAboutPage(address.trimmed());
    else
        load(url);
}

void QtWebBrowser::Navigate2(const QString &address)
{
    Navigate(address);
}

void QtWebBrowser::GoBack()
{
    if (!page()->history()->canGoBack())
        throw Failure(QStringLiteral("Não há página anterior"));
    m_requested = true;
    m_view->back();
}

void QtWebBrowser::GoForward()
{
    if (!page()->history()->canGoForward())
        throw Failure(QStringLiteral("Não há página seguinte"));
    m_requested = true;
    m_view->forward();
}

void QtWebBrowser::GoHome()
{
    Navigate(m_factory.pages().home);
}

void QtWebBrowser::GoSearch()
{
    Navigate(m_factory.pages().search);
}

void QtWebBrowser::Refresh()
{
    m_requested = true;
    m_view->reload();
}

void QtWebBrowser::Stop()
{
    m_view->stop();
    m_requested = false;
}

QString QtWebBrowser::LocationName() const
{
    if (!m_aboutAddress.isEmpty())
        return m_aboutAddress;
    return page()->title();
}

QString QtWebBrowser::LocationURL() const
{
    if (!m_aboutAddress.isEmpty())
        return m_aboutAddress;
    const QUrl url = page()->url();
    return url.isLocalFile() ? QUrl::fromLocalFile(url.toLocalFile()).toString(QUrl::PrettyDecoded)
                             : url.toString();
}

bool QtWebBrowser::Busy() const
{
    return m_requested || m_loading;
}

WebDocument &QtWebBrowser::Document()
{
    return *m_document;
}

void QtWebBrowser::SetFocus()
{
    m_view->setFocus(Qt::OtherFocusReason);
}

QWebEnginePage *QtWebBrowser::pageForNewWindow()
{
    QObject *handed = nullptr;
    bool cancel = false;
    emit NewWindow2(&handed, &cancel);
    if (cancel)
        return nullptr;
    if (auto *browser = qobject_cast<QtWebBrowser *>(handed))
        return browser->page();
    return m_factory.createEngineWindow()->page();
}

void QtWebBrowser::ExecWB(int command, int option)
{
    Q_UNUSED(option);
    switch (command) {
    case olecmd::Open: openFile(); return;
    case olecmd::Save: savePage(false); return;
    case olecmd::SaveAs: savePage(true); return;
    case olecmd::Print: print(); return;
    case olecmd::PageSetup: pageSetup(); return;
    case olecmd::Properties: showProperties(); return;
    case olecmd::Cut: page()->triggerAction(QWebEnginePage::Cut); return;
    case olecmd::Copy: page()->triggerAction(QWebEnginePage::Copy); return;
    case olecmd::Paste: page()->triggerAction(QWebEnginePage::Paste); return;
    case olecmd::SelectAll: page()->triggerAction(QWebEnginePage::SelectAll); return;
    default: throw Failure(QStringLiteral("Comando desconhecido: %1").arg(command));
    }
}

void QtWebBrowser::openFile()
{
    const QString path = m_factory.dialogs().openFileName(
        this, QStringLiteral("Abrir"), QDir::homePath(),
        QStringLiteral("Páginas (*.htm *.html *.xhtml *.txt);;Todos os ficheiros (*)"));
    if (!path.isEmpty())
        Navigate(path);
}

void QtWebBrowser::savePage(bool askAlways)
{
    // Saving again without asking is for the page saved before only; another
    // page would silently overwrite that page's file.
    QString path = page()->url() == m_savedUrl ? m_savedPath : QString();
    if (askAlways || path.isEmpty()) {
        QString name = QFileInfo(page()->url().path()).fileName();
        if (name.isEmpty())
            name = QStringLiteral("pagina.html");
        path = m_factory.dialogs().saveFileName(
            this, QStringLiteral("Guardar Página"),
            QStandardPaths::writableLocation(QStandardPaths::DownloadLocation) + QLatin1Char('/') + name);
    }
    if (path.isEmpty())
        return;
    m_savedPath = path;
    m_savedUrl = page()->url();
    page()->save(path, QWebEngineDownloadRequest::CompleteHtmlSaveFormat);
}

namespace {

QPrinter &sharedPrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

} // namespace

void QtWebBrowser::print()
{
    QPrintDialog dialog(&sharedPrinter(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_view->print(&sharedPrinter());
}

void QtWebBrowser::pageSetup()
{
    QPageSetupDialog dialog(&sharedPrinter(), this);
    dialog.exec();
}

void QtWebBrowser::showProperties()
{
    const QUrl url = page()->url();
    QString type = QStringLiteral("Documento HTML");
    if (!m_aboutAddress.isEmpty())
        type = QStringLiteral("Página interna");
    const QString size = url.isLocalFile() ? QStringLiteral("%1 bytes").arg(QFileInfo(url.toLocalFile()).size())
                                           : QStringLiteral("desconhecido");
    m_factory.messages().show(QStringLiteral("Propriedades"),
                              QStringLiteral("Título: %1\nEndereço: %2\nTipo: %3\nTamanho: %4")
                                  .arg(LocationName(), LocationURL(), type, size),
                              QMessageBox::Information);
}

QtWebBrowserFactory::QtWebBrowserFactory(OpenBrowsers &open, FileDialogs &dialogs, MessageBox &messages,
                                         Pages pages, const QString &profileFolder)
    : m_open(open), m_dialogs(dialogs), m_messages(messages), m_pages(std::move(pages)),
      m_downloads(std::make_unique<DownloadsWindow>())
{
    if (profileFolder.isEmpty()) {
        m_profile = std::make_unique<QWebEngineProfile>();
    } else {
        QDir().mkpath(profileFolder);
        m_profile = std::make_unique<QWebEngineProfile>(QStringLiteral("Ombrano"));
        m_profile->setPersistentStoragePath(profileFolder);
        m_profile->setCachePath(profileFolder + QStringLiteral("/Cache"));
        m_profile->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    }
    m_profile->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    m_profile->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    QObject::connect(m_profile.get(), &QWebEngineProfile::downloadRequested, m_downloads.get(),
                     [this](QWebEngineDownloadRequest *download) { onDownloadRequested(download); });
}

QtWebBrowserFactory::~QtWebBrowserFactory()
{
    // Pages must go before their profile.
    for (WebBrowser *browser : m_open.list()) {
        if (qobject_cast<QtWebBrowser *>(browser))
            delete browser;
    }
}

WebBrowser *QtWebBrowserFactory::create(QWidget *parent)
{
    auto *browser = new QtWebBrowser(*this, parent);
    m_open.add(browser);
    return browser;
}

QtWebBrowser *QtWebBrowserFactory::createEngineWindow()
{
    auto *browser = new QtWebBrowser(*this);
    browser->setObjectName(QStringLiteral("engineWindow"));
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setOpenedByScript(true);
    browser->setWindowTitle(QStringLiteral("Ombrano"));
    QObject::connect(browser, &WebBrowser::TitleChange, browser,
                     [browser](const QString &title) { browser->setWindowTitle(title); });
    browser->resize(800, 600);
    m_open.add(browser);
    browser->show();
    return browser;
}

void QtWebBrowserFactory::onDownloadRequested(QWebEngineDownloadRequest *download)
{
    // A page save arrives accepted, on the path its save command asked for.
    if (download->isSavePageDownload()) {
        m_downloads->track(download);
        return;
    }
    const QString suggested = download->downloadDirectory() + QLatin1Char('/') + download->downloadFileName();
    const QString path = m_dialogs.saveFileName(nullptr, QStringLiteral("Guardar ficheiro"), suggested);
    if (path.isEmpty()) {
        download->cancel();
        return;
    }
    const QFileInfo target(path);
    download->setDownloadDirectory(target.absolutePath());
    download->setDownloadFileName(target.fileName());
    download->accept();
    m_downloads->track(download);
}

void prepareWebEngineEnvironment()
{
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    const auto add = [&flags](const char *flag) {
        if (!flags.contains(flag))
            flags += QByteArray(flags.isEmpty() ? "" : " ") + flag;
    };
    if (geteuid() == 0)
        add("--no-sandbox");
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" || (qEnvironmentVariableIsEmpty("DISPLAY")
                                                      && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")))
        add("--disable-gpu");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}
