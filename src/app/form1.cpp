// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "failure.h"
#include "imagebutton.h"
#include "product.h"
#include "services.h"
#include "shell.h"
#include "toolwindow.h"
#include "twips.h"
#include "windowregistry.h"

#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QString author = QStringLiteral("Equipa Ombrano");

QLabel *whiteLabel(const QString &text, const char *name, const QRect &place, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    QPalette white = label->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(white);
    return label;
}

// The design's widths were measured for a narrower font than the desktop's;
// a label grows to show its whole text.
void fitToText(QLabel *label)
{
    label->resize(qMax(label->width(), label->sizeHint().width()), label->height());
}

} // namespace

Form1::Form1(Services &services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Acerca Ombrano"));
    // No border, no title bar, and no place in the task bar.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setFixedSize(twips::size(6750, 5580));

    Image1 = new ImageButton(QStringLiteral("Ok"), QStringLiteral("emblem-default"), QStyle::SP_DialogApplyButton, this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips::rect(3000, 5040, 480, 480));
    Label2 = whiteLabel(QStringLiteral("Feito por: ") + author, "Label2", twips::rect(120, 720, 2415, 255), this);
    Label3 = whiteLabel(QStringLiteral("Brenholt"), "Label3", twips::rect(120, 240, 2055, 255), this);
    Label4 = whiteLabel(QStringLiteral("Update: 28/11/2004"), "Label4", twips::rect(120, 480, 1575, 255), this);
    Label5 = whiteLabel(QStringLiteral("Website:"), "Label5", twips::rect(120, 0, 735, 255), this);

    Label6 = new QLabel(product::site(), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setGeometry(twips::rect(840, 0, 1815, 255));
    QPalette blue = Label6->palette();
    blue.setColor(QPalette::WindowText, QColor(128, 128, 255));
    Label6->setPalette(blue);
    QFont link(QStringLiteral("MS Sans Serif"));
    link.setPointSizeF(8.25);
    link.setUnderline(true);
    Label6->setFont(link);
    Label6->setCursor(Qt::PointingHandCursor);
    Label6->installEventFilter(this);

    for (QLabel *label : {Label2, Label3, Label4, Label5, Label6})
        fitToText(label);
    // The link follows its caption on the same line.
    Label6->move(qMax(Label6->x(), Label5->geometry().right() + 1 + twips::toPixels(60)), Label6->y());

    connect(Image1, &ImageButton::clicked, this, [this] { WindowRegistry::closeWindow(this); });
}

void Form1::load()
{
    tryStep([this] { toolwindow::centreOnScreen(this); });
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label6 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && Label6->rect().contains(mouse->position().toPoint())) {
            // Whether a browser took the address is not looked at.
            tryStep([this] { m_services.shell.open(product::site()); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Clicks on the labels reach the window too; only one on the bare
// background closes it.
bool Form1::isBackground(const QMouseEvent *event) const
{
    return event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())
        && !childAt(event->position().toPoint());
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    m_pressedOnBackground = isBackground(event);
    QWidget::mousePressEvent(event);
}

void Form1::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressedOnBackground && isBackground(event);
    m_pressedOnBackground = false;
    if (click)
        WindowRegistry::closeWindow(this);
    else
        QWidget::mouseReleaseEvent(event);
}

void Form1::paintEvent(QPaintEvent *)
{
    // The background picture: a deep blue that the white captions read on,
    // over the window colour, with the product's name across it.
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    QLinearGradient sky(rect().topLeft(), rect().bottomRight());
    sky.setColorAt(0, QColor(16, 32, 84));
    sky.setColorAt(1, QColor(58, 96, 168));
    painter.fillRect(rect(), sky);
    QFont title = font();
    title.setPointSizeF(36);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(255, 255, 255, 200));
    painter.drawText(rect().adjusted(0, 0, 0, -twips::toPixels(900)), Qt::AlignCenter, product::title());
    QFont line = font();
    line.setPointSizeF(11);
    painter.setFont(line);
    painter.setPen(QColor(220, 228, 255));
    painter.drawText(rect().adjusted(0, twips::toPixels(1200), 0, -twips::toPixels(900)), Qt::AlignCenter,
                     QStringLiteral("Explorer"));
}
