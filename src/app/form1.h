// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designwindow.h"

#include <QWidget>

class ImageButton;
class QLabel;
struct Services;

// The About window: who made the program, when, and a link to its web site.
// It has no border; a click on its background or on Image1 closes it.
class Form1 : public QWidget, public DesignWindow
{
    Q_OBJECT
public:
    explicit Form1(Services &services, QWidget *parent = nullptr);

    // Centres the window on the screen.
    void load() override;

    ImageButton *Image1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool isBackground(const QMouseEvent *event) const;

    Services &m_services;
    bool m_pressedOnBackground = false;
};
