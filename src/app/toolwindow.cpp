// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolwindow.h"

#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>

namespace toolwindow {

void whiteBackground(QWidget *window)
{
    window->setAutoFillBackground(true);
    QPalette white = window->palette();
    white.setColor(QPalette::Window, Qt::white);
    window->setPalette(white);
}

void fixedSingleBorder(QWidget *window, bool minimiseButton)
{
    Qt::WindowFlags buttons = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
    if (minimiseButton)
        buttons |= Qt::WindowMinimizeButtonHint;
    window->setFixedSize(window->size());
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget())) {
        sub->setWindowFlags(Qt::SubWindow | buttons);
        // The frame around the window follows the window's own fixed size.
        sub->adjustSize();
        return;
    }
    window->setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | buttons);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect place = window->frameGeometry();
    place.moveCenter(screen->availableGeometry().center());
    window->move(place.topLeft());
}

} // namespace toolwindow
