// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDockWidget>

class ImageButton;
class QPlainTextEdit;
struct Services;

// The notes side bar docked along the frame's right edge: its own copy of
// the note, loaded and stored through the notes window.
class NotesSideBar : public QDockWidget
{
    Q_OBJECT
public:
    explicit NotesSideBar(Services &services, QWidget *parent = nullptr);

    QPlainTextEdit *Text1;
    ImageButton *Image2;
    ImageButton *Image3;
    ImageButton *Image4;
    ImageButton *Image5;

private:
    void loadNote();
    void storeNote();
    void normalMode();

    Services &m_services;
};
