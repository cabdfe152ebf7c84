// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "webbrowser.h"

#include <QPointer>
#include <QUrl>

#include <memory>

class FileDialogs;
class MessageBox;
class QWebEngineDownloadRequest;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;
class DownloadsWindow;
class QtWebBrowserFactory;
class EnginePage;
class QtWebDocument;

// The web browser control on QtWebEngine.
class QtWebBrowser : public WebBrowser
{
    Q_OBJECT
public:
    explicit QtWebBrowser(QtWebBrowserFactory &factory, QWidget *parent = nullptr);
    ~QtWebBrowser() override;

    void Navigate(const QString &address) override;
    void Navigate2(const QString &address) override;
    void GoBack() override;
    void GoForward() override;
    void GoHome() override;
    void GoSearch() override;
    void Refresh() override;
    void Stop() override;
    void ExecWB(int command, int option) override;
    QString LocationName() const override;
    QString LocationURL() const override;
    bool Busy() const override;
    WebDocument &Document() override;
    void SetFocus() override;

    QWebEngineView *view() const { return m_view; }
    QWebEnginePage *page() const;
    // Marks a window that a page's script opened.
    void setOpenedByScript(bool opened) { m_openedByScript = opened; }
    bool openedByScript() const { return m_openedByScript; }

    // The page a new window request gets: a handler's control, or a plain
    // window of the engine's own.
    QWebEnginePage *pageForNewWindow();

private:
    void connectPage();
    void load(const QUrl &url);
    void showAboutPage(const QString &address);
    void onLoadStarted();
    void onLoadingEnded(bool failed, int statusCode, const QString &address);
    void onUrlChanged(const QUrl &url);
    void print();
    void pageSetup();
    void showProperties();
    void openFile();
    void savePage(bool askAlways);

    QtWebBrowserFactory &m_factory;
    QWebEngineView *m_view = nullptr;
    std::unique_ptr<QtWebDocument> m_document;
    QString m_aboutAddress;
    QString m_savedPath;
    QUrl m_savedUrl;
    bool m_requested = false;
    bool m_loading = false;
    bool m_openedByScript = false;
    bool m_loadingAbout = false;
};

// Makes the controls of the program's windows and the plain windows the
// engine opens for pages, all in one profile; keeps the downloads.
class QtWebBrowserFactory : public WebBrowserFactory
{
public:
    struct Pages {
        QString home;   // the control's home page (an address or a file path)
        QString search; // the control's search page
    };

    // profileFolder empty: nothing is kept on disk.
    QtWebBrowserFactory(OpenBrowsers &open, FileDialogs &dialogs, MessageBox &messages, Pages pages,
                        const QString &profileFolder);
    ~QtWebBrowserFactory() override;

    WebBrowser *create(QWidget *parent) override;
    // A top-level window of the engine's own, showing a page a script opened.
    QtWebBrowser *createEngineWindow();

    QWebEngineProfile *profile() const { return m_profile.get(); }
    FileDialogs &dialogs() { return m_dialogs; }
    MessageBox &messages() { return m_messages; }
    const Pages &pages() const { return m_pages; }
    DownloadsWindow *downloads() const { return m_downloads.get(); }

private:
    void onDownloadRequested(QWebEngineDownloadRequest *download);

    OpenBrowsers &m_open;
    FileDialogs &m_dialogs;
    MessageBox &m_messages;
    Pages m_pages;
    std::unique_ptr<QWebEngineProfile> m_profile;
    std::unique_ptr<DownloadsWindow> m_downloads;
};

// The address a control goes to for text typed as an address: about:
// addresses stay as they are, a path becomes a file address, a bare host
// name a web address. Throws Failure for empty or unusable text.
QUrl addressToUrl(const QString &address);

// Turns off the web engine's sandbox where it cannot run (as root), and its
// graphics acceleration where no display is attached.
void prepareWebEngineEnvironment();
