// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form5.h"

#include "imagebutton.h"
#include "toolwindow.h"
#include "twips.h"

#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QStyle>

Form5::Form5(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Diagnóstico de Erros"));
    toolwindow::whiteBackground(this);
    setFixedSize(twips::size(5175, 1665));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twips::rect(480, 120, 4575, 810));
    List1->setSortingEnabled(false);
    QPalette listPalette = List1->palette();
    listPalette.setColor(QPalette::Base, Qt::white);
    List1->setPalette(listPalette);

    Image3 = new ImageButton(QString(), QStringLiteral("edit-clear-all"), QStyle::SP_DialogResetButton, this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(twips::rect(3840, 1080, 480, 480));

    Image2 = new ImageButton(QString(), QStringLiteral("go-down"), QStyle::SP_ArrowDown, this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(twips::rect(4560, 1080, 480, 480));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips::rect(0, 120, 480, 480));
    Image1->setAlignment(Qt::AlignCenter);
    QIcon symbol = QIcon::fromTheme(QStringLiteral("dialog-error"));
    if (symbol.isNull())
        symbol = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    Image1->setPixmap(symbol.pixmap(Image1->size() - QSize(4, 4)));

    connect(Image3, &ImageButton::clicked, this, &Form5::clearLines);
    connect(Image2, &ImageButton::clicked, this, &Form5::hideWindow);
}

void Form5::load()
{
    // A fixed border with a close box only: no minimise, maximise or resize.
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        sub->adjustSize();
        sub->setFixedSize(sub->size());
    }
}

void Form5::addLine(const QString &line)
{
    List1->addItem(line);
    // Long descriptions run past the narrow list; the tip shows them whole.
    List1->item(List1->count() - 1)->setToolTip(line);
    // The list shows three lines; the newest must be in sight.
    List1->scrollToBottom();
}

void Form5::clearLines()
{
    List1->clear();
}

void Form5::hideWindow()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->hide();
    else
        hide();
}
