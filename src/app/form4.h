// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designwindow.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
struct Services;

// The notes window: the one stored note, edited on its own and stored or
// loaded again only when the user asks.
class Form4 : public QWidget, public DesignWindow
{
    Q_OBJECT
public:
    explicit Form4(Services &services, QWidget *parent = nullptr);

    // Loads the stored note.
    void load() override;

    // Sets Text1 to the stored note; an absent note gives an empty text.
    void abrir();
    // Stores Text1 as the note. A store that fails is reported to the error
    // list; the text stays.
    void save();

    QPushButton *Command4;
    QPushButton *Command3;
    QPushButton *Command2;
    QPushButton *Command1;
    QPlainTextEdit *Text1;

private:
    void sideBarMode();

    Services &m_services;
};
