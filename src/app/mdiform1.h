// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designwindow.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QMdiArea;
class QMenu;
class frmBrowser;
class NotesSideBar;
struct Services;

// The main frame: holds the browser windows and most tool windows, and
// carries the menu bar through which every tool is reached.
class MDIForm1 : public QMainWindow, public DesignWindow
{
    Q_OBJECT
public:
    explicit MDIForm1(Services &services, QWidget *parent = nullptr);
    ~MDIForm1() override;

    void load() override;

    QMdiArea *clientArea() const { return m_area; }
    // A menu item or a menu of the menu bar, by its name.
    QAction *item(const QString &name) const { return m_items.value(name); }
    QMenu *menuNamed(const QString &name) const { return m_menus.value(name); }

    // The recent-address items mnuURLHistory(0) to mnuURLHistory(30).
    QList<QAction *> mnuURLHistory;

    // Stores an address as the newest of the ten recent addresses, the
    // oldest dropping out; an address of spaces only is not stored. Throws
    // Failure when the store cannot be written.
    void WriteRecentURLs(const QString &address);
    // Shows the stored recent addresses as the favourites menu's items, in
    // the order their keys were first stored.
    void LoadRecentURLs();
    // The notes side bar along the right edge, hidden at start.
    NotesSideBar *Picture2;

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
    frmBrowser *defaultBrowser();
    void connectFavourites();
    void addCurrentAddress();
    void openRecentAddress(int index);
    void connectPageCommands();
    void pageCommand(int command, int option);
    void showActiveChildMenus();

    Services &m_services;
    QMdiArea *m_area;
    QHash<QString, QAction *> m_items;
    QHash<QString, QMenu *> m_menus;
    QList<QAction *> m_ownMenus;
    QList<QPointer<QAction>> m_childMenus;
};
