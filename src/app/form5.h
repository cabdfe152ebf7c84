// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designwindow.h"

#include <QWidget>

class ImageButton;
class QLabel;
class QListWidget;

// The error list: one line per failed tool operation, oldest first. The
// lines live only as long as the window: hiding keeps them, closing drops
// them.
class Form5 : public QWidget, public DesignWindow
{
    Q_OBJECT
public:
    explicit Form5(QWidget *parent = nullptr);

    void load() override;

    // Adds a report line at the end of the list.
    void addLine(const QString &line);

    QListWidget *List1;
    ImageButton *Image3;
    ImageButton *Image2;
    QLabel *Image1;

private:
    void clearLines();
    void hideWindow();
};
