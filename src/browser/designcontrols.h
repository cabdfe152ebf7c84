// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small helpers shared by the windows of the browser subsystem.

#include "toolwindow.h"

#include <QMdiSubWindow>
#include <QWidget>

using toolwindow::setTextIfChanged;

// Gives a window its design size for good with a white background; inside
// the frame its child window gets a title bar with only a close box, the
// border of a fixed-size window without minimise or maximise buttons.
inline void fixBorder(QWidget *window, QSize designSize)
{
    toolwindow::whiteBackground(window);
    window->resize(designSize);
    if (qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        toolwindow::fixedSingleBorder(window, false);
    else
        window->setFixedSize(designSize);
}

