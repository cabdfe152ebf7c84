// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolwindow.h"

#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QPushButton>
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
        // Changing the flags hides the frame around the window; a shown one
        // is shown again.
        const bool shown = sub->isVisible();
        sub->setWindowFlags(Qt::SubWindow | buttons);
        // The frame around the window follows the window's own fixed size.
        sub->adjustSize();
        if (shown)
            sub->show();
        return;
    }
    window->setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | buttons);
}

QPushButton *whiteButton(const QString &caption, const char *name, const QRect &place, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    QPalette white = button->palette();
    white.setColor(QPalette::Button, Qt::white);
    button->setPalette(white);
    return button;
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
