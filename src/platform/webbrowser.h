// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

// The page's document, reached by the member names the windows use. Every
// member throws Failure when the page cannot answer (no such field, no
// answer in time).
class WebDocument
{
public:
    virtual ~WebDocument() = default;

    // documentElement.innerHTML: the markup inside the page's root element.
    virtual QString documentElementInnerHtml() = 0;

    // All(name).Value = text: fills the first field with that name or id.
    virtual void setAllValue(const QString &name, const QString &text) = 0;

    // parentWindow.opener is an object: a script of another page opened
    // this window.
    virtual bool parentWindowHasOpener() = 0;
};

// Page commands for ExecWB.
namespace olecmd {
enum Id { Open = 1, Save = 3, SaveAs = 4, Print = 6, PageSetup = 8, Properties = 10,
          Cut = 11, Copy = 12, Paste = 13, SelectAll = 17 };
enum Option { Default = 0, PromptUser = 1 };
} // namespace olecmd

// The embedded web browser control: the members and events the windows use.
// Members that cannot do what is asked throw Failure, as the old control
// raised an error; an empty address is such a case.
class WebBrowser : public QWidget
{
    Q_OBJECT
public:
    explicit WebBrowser(QWidget *parent = nullptr) : QWidget(parent) {}

    // Starts loading the address, taken as typed; events follow.
    virtual void Navigate(const QString &address) = 0;
    virtual void Navigate2(const QString &address) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    // The control's own home page (the local welcome page) and search page.
    virtual void GoHome() = 0;
    virtual void GoSearch() = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;
    // Runs a page command (olecmd::Id) with its option.
    virtual void ExecWB(int command, int option) = 0;

    virtual QString LocationName() const = 0;
    virtual QString LocationURL() const = 0;
    // True from a navigation request until its loading ends.
    virtual bool Busy() const = 0;
    virtual WebDocument &Document() = 0;
    virtual void SetFocus() { setFocus(Qt::OtherFocusReason); }

    // The window that holds this control: closing the control's window
    // closes this one. The window itself unless a host says otherwise.
    QWidget *hostWindow() const { return m_host ? m_host.data() : window(); }
    void setHostWindow(QWidget *host) { m_host = host; }

signals:
    // Loading ended, successfully or not.
    void DownloadComplete();
    // A navigation committed; window is the frame's object where known.
    void NavigateComplete2(QObject *window, const QString &address);
    // A navigation failed (an unreachable host, an HTTP error status).
    void NavigateError(QObject *window, const QString &address, const QString &frame, int statusCode,
                       bool *cancel);
    // A page asks for a new window; a handler may hand one back, otherwise
    // the control opens a window of its own.
    void NewWindow2(QObject **window, bool *cancel);
    void TitleChange(const QString &text);
    void StatusTextChange(const QString &text);
    void ProgressChange(int progress, int maximum);

private:
    QPointer<QWidget> m_host;
};

// Every web browser control the program and its engine have open, in
// creation order, as the system's list of browser windows.
class OpenBrowsers : public QObject
{
    Q_OBJECT
public:
    explicit OpenBrowsers(QObject *parent = nullptr) : QObject(parent) {}

    void add(WebBrowser *browser);
    QList<WebBrowser *> list() const;
    // Closes the window that holds the control.
    static void quit(WebBrowser *browser);

signals:
    void added(WebBrowser *browser);

private:
    QList<QPointer<WebBrowser>> m_browsers;
};

// Makes the controls for the windows that host one.
class WebBrowserFactory
{
public:
    virtual ~WebBrowserFactory() = default;
    virtual WebBrowser *create(QWidget *parent) = 0;
};
