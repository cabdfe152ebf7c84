// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designwindow.h"

#include <QHash>
#include <QMainWindow>

class QAction;
class QMdiArea;
class QMenu;
struct Services;

// The main frame: holds the browser windows and most tool windows, and
// carries the menu bar through which every tool is reached.
class MDIForm1 : public QMainWindow, public DesignWindow
{
    Q_OBJECT
public:
    explicit MDIForm1(Services &services, QWidget *parent = nullptr);

    void load() override;

    QMdiArea *clientArea() const { return m_area; }
    // A menu item or a menu of the menu bar, by its name.
    QAction *item(const QString &name) const { return m_items.value(name); }
    QMenu *menuNamed(const QString &name) const { return m_menus.value(name); }

    // The recent-address items mnuURLHistory(0) to mnuURLHistory(30).
    QList<QAction *> mnuURLHistory;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    void connectMenus();
    QMenu *addMenu(QMenu *parent, const char *name, const QString &caption);
    QAction *addItem(QMenu *menu, const char *name, const QString &caption);
    void onItem(const char *name, const std::function<void()> &action);
    void newBrowserWindow();
    void showWelcomePage();
    void browseInSecondaryWindow();
    void openHelp();

    Services &m_services;
    QMdiArea *m_area;
    QHash<QString, QAction *> m_items;
    QHash<QString, QMenu *> m_menus;
};
