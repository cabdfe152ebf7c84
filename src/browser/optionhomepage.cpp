// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "optionhomepage.h"

#include "errorreporter.h"
#include "failure.h"
#include "designcontrols.h"
#include "homepage.h"
#include "services.h"
#include "toolwindow.h"
#include "twips.h"
#include "windowregistry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

optionhomepage::optionhomepage(Services &services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("optionhomepage"));
    setWindowTitle(QStringLiteral("Opção de Homepage"));
    fixBorder(this, twips::size(4725, 2685));
    // The design's places were made for an 8-point font; the texts fit them
    // only in one of that size.
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);

    Frame1 = new QGroupBox(QStringLiteral("Definir HomePage para o Ombrano"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(120, 0, 4455, 2535));
    Command4 = toolwindow::whiteButton(QStringLiteral("Aplicar"), "Command4", twips::rect(960, 2040, 1095, 375), Frame1);
    Command3 = toolwindow::whiteButton(QStringLiteral("Cancelar"), "Command3", twips::rect(2520, 2040, 1095, 375), Frame1);
    Command2 = toolwindow::whiteButton(QStringLiteral("Definido na caixa de texto"), "Command2",
                           twips::rect(1800, 1440, 2535, 375), Frame1);
    Command1 = toolwindow::whiteButton(QStringLiteral("Página em branco"), "Command1", twips::rect(120, 1440, 1575, 375), Frame1);
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips::rect(120, 1080, 4215, 285));
    Label1 = new QLabel(QStringLiteral("É recomendado definir aqui a webpage pois assim estará livre de Ad-awares, "
                                       "Spywares, virus, etc, que possam infectar o seu browser de internet!"),
                        Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips::rect(120, 360, 4215, 735));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(Command1, &QPushButton::clicked, this,
            [this] { Text1->setText(QStringLiteral("about:Ombrano Explorer")); });
    connect(Command2, &QPushButton::clicked, this, [this] { storeText(); });
    connect(Command4, &QPushButton::clicked, this, [this] {
        if (storeText())
            WindowRegistry::closeWindow(this);
    });
    connect(Command3, &QPushButton::clicked, this, [this] { WindowRegistry::closeWindow(this); });
}

void optionhomepage::load()
{
    fixBorder(this, twips::size(4725, 2685));
    tryStep([this] { Text1->setText(homepage::stored(m_services.settings)); });
}

// A home page that could not be stored is reported, and the window stays
// open with the text, rather than closing as if it had been applied.
bool optionhomepage::storeText()
{
    const auto failure = firstFailure([this] { homepage::store(m_services.settings, Text1->text()); });
    if (failure)
        m_services.errors.report(*failure);
    return !failure;
}
