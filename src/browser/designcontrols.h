// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small helpers shared by the windows of the browser subsystem.

#include <QMdiSubWindow>
#include <QPalette>
#include <QWidget>

// Gives a window its design size for good with a white background; inside
// the frame its child window gets a title bar with only a close box, the
// border of a fixed-size window without minimise or maximise buttons.
inline void fixBorder(QWidget *window, QSize designSize)
{
    window->setAutoFillBackground(true);
    QPalette white = window->palette();
    white.setColor(QPalette::Window, Qt::white);
    window->setPalette(white);
    window->setFixedSize(designSize);
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget())) {
        const bool shown = sub->isVisible();
        sub->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowCloseButtonHint);
        sub->adjustSize();
        sub->setFixedSize(sub->size());
        if (shown)
            sub->show();
    }
}

// Sets a text box's or label's text only when it differs, so that a control
// refreshed many times a second is not repainted for nothing.
template<class Control> void setTextIfChanged(Control *control, const QString &text)
{
    if (control->text() != text)
        control->setText(text);
}
