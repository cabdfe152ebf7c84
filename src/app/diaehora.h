// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designwindow.h"

#include <QWidget>

class ImageButton;
class QLabel;
class QLineEdit;
class QTimer;
struct Services;

// The date and time window: today's date as the window opened and a running
// clock, both in fixed formats whatever the user's language.
class diaehora : public QWidget, public DesignWindow
{
    Q_OBJECT
public:
    explicit diaehora(Services &services, QWidget *parent = nullptr);

    // Shows today's date; the time waits for the first tick.
    void load() override;

    // "MM-DD-YYYY" and "HH:MM:SS", in plain digits.
    static QString dateText(const QDate &date);
    static QString timeText(const QTime &time);

    QTimer *Timer1;
    QLineEdit *hour;
    QLineEdit *day;
    ImageButton *Image1;
    QLabel *Label2;
    QLabel *Label1;

private:
    void tick();

    Services &m_services;
};
