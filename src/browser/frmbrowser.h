// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designwindow.h"

#include <QStringList>
#include <QWidget>

class BeatTimer;
class ImageButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QStatusBar;
class QTimer;
class WebBrowser;
struct Services;

// The browser window: a page under a row of tool images, an address box with
// its list of addresses and a quick-search box.
class frmBrowser : public QWidget, public DesignWindow
{
    Q_OBJECT
public:
    explicit frmBrowser(Services &services, QWidget *parent = nullptr);
    ~frmBrowser() override;

    void load() override;

    // Runs the address box's click logic on the current address text.
    void los();

    // The address the start page falls back to; nothing assigns it.
    QString StartingAddress;

    // The eleven addresses every new window's list starts with.
    static QStringList presetAddresses();
    // The quick-search address for a text, the text appended as typed.
    static QString quickSearchAddress(const QString &text);

    // Timer1 and Timprogbar ride the program's beat, shared by every window.
    BeatTimer *Timprogbar;
    QLineEdit *txtval;
    QLineEdit *txtmax;
    QProgressBar *ProgressBar1;
    QLineEdit *Txtgoogle;
    BeatTimer *Timer1;
    QStatusBar *StatusBar1;
    QComboBox *cboAddress;
    WebBrowser *brwWebBrowser;
    QTimer *timTimer;
    ImageButton *Image10;
    QLabel *Label1;
    ImageButton *Image9;
    ImageButton *Image8;
    ImageButton *Image7;
    ImageButton *Image6;
    ImageButton *Image5;
    ImageButton *Image4;
    ImageButton *Image3;
    ImageButton *Image2;
    ImageButton *Image1;
    QLabel *lblAddress;
    QList<QLabel *> statusPanels;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    void createImages();
    void connectImages();
    void connectBrowser();
    void addressClick();
    void loadStartPage();
    void maximiseIfFirst();
    void placeProgressBar();
    void layOut();
    void onNavigateComplete();
    void onDownloadComplete();
    void onNavigateError();
    void onNewWindow(QObject **window);
    void onLoadingCaption();
    void onConnectionPoll();
    void onStatusText(const QString &text);
    void onProgressChange(int progress, int maximum);
    bool isErrorPage(const QString &address) const;
    void navigateCommand(void (WebBrowser::*command)());
    void quickSearch();

    Services &m_services;
    bool suppressAddressClick = false;
    bool m_errorPageRequested = false;
};
