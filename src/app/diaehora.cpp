// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diaehora.h"

#include "clock.h"
#include "failure.h"
#include "imagebutton.h"
#include "services.h"
#include "toolwindow.h"
#include "twips.h"
#include "windowregistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>

namespace {

QLineEdit *readOnlyBox(const char *name, const QRect &place, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    box->setReadOnly(true);
    return box;
}

QLabel *label(const QString &text, const char *name, const QRect &place, QWidget *parent)
{
    auto *caption = new QLabel(text, parent);
    caption->setObjectName(QString::fromLatin1(name));
    caption->setGeometry(place);
    return caption;
}

} // namespace

QString diaehora::dateText(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("MM-dd-yyyy"));
}

QString diaehora::timeText(const QTime &time)
{
    return QLocale::c().toString(time, QStringLiteral("HH:mm:ss"));
}

diaehora::diaehora(Services &services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("diaehora"));
    setWindowTitle(QStringLiteral("Data e Hora"));
    toolwindow::whiteBackground(this);
    resize(twips::size(3180, 1875));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(60);
    hour = readOnlyBox("hour", twips::rect(120, 960, 2895, 285), this);
    day = readOnlyBox("day", twips::rect(120, 360, 2895, 285), this);
    Image1 = new ImageButton(QStringLiteral("Ok"), QStringLiteral("emblem-default"), QStyle::SP_DialogApplyButton, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips::rect(1320, 1320, 480, 480));
    Label2 = label(QStringLiteral("Hora:"), "Label2", twips::rect(120, 720, 735, 255), this);
    Label1 = label(QStringLiteral("Data:"), "Label1", twips::rect(120, 120, 615, 255), this);

    connect(Timer1, &QTimer::timeout, this, &diaehora::tick);
    connect(Image1, &ImageButton::clicked, this, [this] { WindowRegistry::closeWindow(this); });
    Timer1->start();
}

void diaehora::load()
{
    tryStep([this] { toolwindow::fixedSingleBorder(this, false); });
    day->setText(dateText(m_services.clock.now().date()));
}

void diaehora::tick()
{
    // Sixteen ticks a second show the same second: only a new text touches
    // the box, which keeps repaints down and a selection in it alive.
    const QString now = timeText(m_services.clock.now().time());
    if (hour->text() != now)
        hour->setText(now);
}
