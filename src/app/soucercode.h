// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designwindow.h"

#include <QHash>
#include <QWidget>

class ImageButton;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
struct Services;

// The page source viewer: the markup of a page, editable, appended to a text
// file on request and that file opened with its associated program.
class soucercode : public QWidget, public DesignWindow
{
    Q_OBJECT
public:
    explicit soucercode(Services &services, QWidget *parent = nullptr);

    // Sets the file path to CodigoFonte.txt in the program folder.
    void load() override;

    // The window's own menus; the frame shows them in place of its own while
    // this window is the active child window.
    QList<QMenu *> menus() const;

    QLineEdit *Text2;
    QPlainTextEdit *Text1;
    QLabel *Label3;
    ImageButton *Image2;
    ImageButton *label2;
    ImageButton *label1;
    ImageButton *Image1;

    QMenu *file;
    QAction *open;
    QAction *save;
    QAction *closeme;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void createControls();
    void createMenu();
    void saveSource();
    void openFile();
    void showHelpFor(QWidget *under);

    Services &m_services;
    QHash<QWidget *, QString> m_help;
};

// "Ver código fonte": copies the markup of the default browser window's page
// into the source viewer (creating it if needed), names the page in its
// caption and shows it. A failure goes to the error list and the viewer is
// not shown.
void showPageSource(Services &services);
