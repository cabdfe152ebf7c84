// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>

// The one way the program asks the user a question or tells them something.
class MessageBox
{
public:
    virtual ~MessageBox() = default;

    // Shows a modal message and returns the button the user chose.
    virtual QMessageBox::StandardButton show(const QString &title, const QString &text,
                                             QMessageBox::Icon icon = QMessageBox::NoIcon,
                                             QMessageBox::StandardButtons buttons = QMessageBox::Ok) = 0;
};

class QtMessageBox : public MessageBox
{
public:
    QMessageBox::StandardButton show(const QString &title, const QString &text, QMessageBox::Icon icon,
                                     QMessageBox::StandardButtons buttons) override;
};
