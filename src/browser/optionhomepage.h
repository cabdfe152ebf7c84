// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designwindow.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct Services;

// The home page choice "Opção de Homepage": edits the home page that the
// browser windows open at start-up and that "Homepage do Ombrano" opens.
class optionhomepage : public QWidget, public DesignWindow
{
    Q_OBJECT
public:
    explicit optionhomepage(Services &services, QWidget *parent = nullptr);

    void load() override;

    QGroupBox *Frame1;
    QPushButton *Command4;
    QPushButton *Command3;
    QPushButton *Command2;
    QPushButton *Command1;
    QLineEdit *Text1;
    QLabel *Label1;

private:
    bool storeText();

    Services &m_services;
};
