// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designwindow.h"

#include <QList>
#include <QWidget>

class ImageButton;
class QLineEdit;
class WebBrowser;
struct Services;

// The secondary browser window: a page in a window of its own, outside the
// frame, over a slim tool bar with back, forward, stop, the home page menu,
// the return to the frame and an address box. While it is open the frame is
// hidden; the return image hands the address back to the default browser
// window and shows the frame again.
class Form11 : public QWidget, public DesignWindow
{
    Q_OBJECT
public:
    explicit Form11(Services &services, QWidget *parent = nullptr);

    // Navigates to the text of Text1 exactly as it is.
    void go();

    QWidget *Picture1;
    QLineEdit *Text1;
    ImageButton *Image6;
    ImageButton *Image5;
    ImageButton *Image4;
    ImageButton *Image3;
    ImageButton *Image2;
    QList<ImageButton *> Image1;
    WebBrowser *brwWebBrowser;

protected:
    void setVisible(bool visible) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectControls();
    void returnToFrame();
    void showFrameIfLast();

    Services &m_services;
    bool m_opened = false;
};
