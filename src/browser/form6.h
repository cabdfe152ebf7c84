// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designwindow.h"

#include <QWidget>

class ImageButton;
class QLabel;
class QLineEdit;
struct Services;

// The connection check "Verificar Internet": asks the system whether the
// computer is connected and how, and keeps the answer as text. Nothing shows
// it; the browser windows only call go and read Text3.
class Form6 : public QWidget, public DesignWindow
{
    Q_OBJECT
public:
    explicit Form6(Services &services, QWidget *parent = nullptr);

    void load() override;

    // Keeps the window hidden and writes "Conectado" or "Não há conecção!"
    // into Text3. Only Text3 is refreshed; Text1 and Text2 keep what the
    // Load or the last "Verificar Connecção!" wrote.
    void go();

    QLineEdit *Text3;
    QLineEdit *Text2;
    QLineEdit *Text1;
    ImageButton *Image2;
    ImageButton *Image1;
    QLabel *Label2;
    QLabel *Label1;

private:
    // Each asks the system afresh.
    bool IsConnected();
    bool IsModemConnection();
    bool IsLanConnection();
    void ShowConnectionKind();
    void showConnected();
    void hideWindow();

    Services &m_services;
};
