// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form4.h"

#include "errorreporter.h"
#include "failure.h"
#include "mdiform1.h"
#include "notessidebar.h"
#include "services.h"
#include "settingsstore.h"
#include "toolwindow.h"
#include "twips.h"
#include "windowregistry.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString noteApplication = QStringLiteral("Zevadori Reduzud");
const QString noteSection = QStringLiteral("Notas");
const QString noteKey = QStringLiteral("Nota");

} // namespace

Form4::Form4(Services &services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Tomar Notas"));
    toolwindow::whiteBackground(this);
    resize(twips::size(5865, 5280));
    toolwindow::fixedSingleBorder(this, true);

    Command4 = toolwindow::whiteButton(QStringLiteral("Modo SideBar"), "Command4", twips::rect(3000, 4800, 1335, 375), this);
    Command3 = toolwindow::whiteButton(QStringLiteral("Fechar"), "Command3", twips::rect(4440, 4800, 1335, 375), this);
    Command2 = toolwindow::whiteButton(QStringLiteral("Carregar Notas"), "Command2", twips::rect(1560, 4800, 1335, 375), this);
    Command1 = toolwindow::whiteButton(QStringLiteral("Guardar Notas"), "Command1", twips::rect(120, 4800, 1335, 375), this);
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips::rect(0, 0, 5895, 4695));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The typing goes into the note: the first button would otherwise take
    // the focus, and the first space typed would press it.
    Text1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form4::save);
    connect(Command2, &QPushButton::clicked, this, &Form4::abrir);
    connect(Command3, &QPushButton::clicked, this, [this] { WindowRegistry::closeWindow(this); });
    connect(Command4, &QPushButton::clicked, this, &Form4::sideBarMode);
}

void Form4::load()
{
    tryStep([this] { toolwindow::centreOnScreen(this); });
    abrir();
}

void Form4::abrir()
{
    tryStep([this] { Text1->setPlainText(m_services.settings.read(noteApplication, noteSection, noteKey)); });
}

void Form4::save()
{
    reportFailure(m_services.errors,
        [this] { m_services.settings.write(noteApplication, noteSection, noteKey, Text1->toPlainText()); });
}

void Form4::sideBarMode()
{
    // The side bar lives on the frame; a frame that was closed is made again,
    // as any use of it would.
    auto *frame = m_services.windows.get<MDIForm1>(QStringLiteral("MDIForm1"));
    if (!frame)
        return;
    frame->Picture2->show();
    frame->Picture2->Text1->setPlainText(Text1->toPlainText());
    WindowRegistry::closeWindow(this);
}
