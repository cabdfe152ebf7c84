// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAction;
class QMenu;
struct Services;

// The owner of two pop-up menus; never shown. "menu" serves the frame's empty
// area, "menu2" the home page image of the browser windows.
class Meneu : public QWidget
{
    Q_OBJECT
public:
    explicit Meneu(Services &services, QWidget *parent = nullptr);

    QMenu *menu;
    QAction *new_page;
    QAction *about;
    QAction *exit;
    QMenu *menu2;
    QAction *iehome;
    QAction *ombranohomepage;
};
