// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// The looks the small tool windows share.
namespace toolwindow {

// A plain white background behind the window's controls.
void whiteBackground(QWidget *window);

// A window with a fixed single border: it keeps its size, has a title bar
// with a close box, a minimise box only when asked, and no maximise box.
// Works for a child window of the frame as for a top-level window; a child
// window must already have its place in the frame.
void fixedSingleBorder(QWidget *window, bool minimiseButton);

// A push button with a white face, as the old windows' buttons had.
QPushButton *whiteButton(const QString &caption, const char *name, const QRect &place, QWidget *parent);

// Sets a text box's or label's text only when it differs, so that a control
// refreshed many times a second is not repainted for nothing.
template<class Control> void setTextIfChanged(Control *control, const QString &text)
{
    if (control->text() != text)
        control->setText(text);
}

// Moves a top-level window to the middle of the screen it is on.
void centreOnScreen(QWidget *window);

} // namespace toolwindow
