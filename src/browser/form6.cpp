// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form6.h"

#include "connection.h"
#include "designcontrols.h"
#include "imagebutton.h"
#include "services.h"
#include "twips.h"
#include "windowregistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>

Form6::Form6(Services &services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Verificar Internet"));
    fixBorder(this, twips::size(4695, 2010));

    Text3 = new QLineEdit(this);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setGeometry(twips::rect(0, 2640, 2055, 285));
    Text3->setAlignment(Qt::AlignRight);
    Text3->hide();
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(twips::rect(120, 1080, 4455, 285));
    Text2->setReadOnly(true);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips::rect(120, 360, 4455, 285));
    Text1->setReadOnly(true);
    Image2 = new ImageButton(QStringLiteral("Verificar Connecção!"), QStringLiteral("view-refresh"),
                             QStyle::SP_BrowserReload, this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(twips::rect(3360, 1440, 480, 480));
    Image1 = new ImageButton(QStringLiteral("Ok"), QStringLiteral("dialog-ok"), QStyle::SP_DialogOkButton, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips::rect(4080, 1440, 480, 480));
    Label2 = new QLabel(QStringLiteral("A sua conecção:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twips::rect(120, 840, 1455, 255));
    Label1 = new QLabel(QStringLiteral("Connecção:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips::rect(120, 120, 2055, 255));

    connect(Image2, &ImageButton::clicked, this, &Form6::showConnected);
    connect(Image1, &ImageButton::clicked, this, [this] { WindowRegistry::closeWindow(this); });
}

void Form6::load()
{
    fixBorder(this, twips::size(4695, 2010));
    showConnected();
}

bool Form6::IsConnected()
{
    return m_services.connection.state().connected;
}

bool Form6::IsModemConnection()
{
    return m_services.connection.state().modem;
}

bool Form6::IsLanConnection()
{
    return m_services.connection.state().lan;
}

void Form6::ShowConnectionKind()
{
    // A modem is named before a LAN when the system reports both.
    if (IsModemConnection())
        Text2->setText(QStringLiteral("Modem!"));
    else if (IsLanConnection())
        Text2->setText(QStringLiteral("LAN"));
    else
        Text2->setText(QStringLiteral("Não foi possivel determinar!"));
}

void Form6::showConnected()
{
    Text1->setText(IsConnected() ? QStringLiteral("Está conectado!") : QStringLiteral("Não está conectado!"));
    ShowConnectionKind();
}

void Form6::hideWindow()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    QWidget *window = sub ? static_cast<QWidget *>(sub) : this;
    if (!window->isHidden())
        window->hide();
}

void Form6::go()
{
    hideWindow();
    setTextIfChanged(Text3, IsConnected() ? QStringLiteral("Conectado") : QStringLiteral("Não há conecção!"));
    hideWindow();
}
