// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notessidebar.h"

#include "failure.h"
#include "form4.h"
#include "imagebutton.h"
#include "services.h"
#include "twips.h"
#include "windowregistry.h"

#include <QPlainTextEdit>

NotesSideBar::NotesSideBar(Services &services, QWidget *parent) : QDockWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("Picture2"));
    // Docked for good: no title bar, and it can be neither moved, floated
    // nor closed by the user.
    setTitleBarWidget(new QWidget(this));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setAllowedAreas(Qt::RightDockWidgetArea);

    // Placed controls, no layout: a frame lower than the bar clips its foot
    // instead of growing.
    auto *box = new QWidget(this);
    box->setObjectName(QStringLiteral("Picture2Box"));
    box->setAutoFillBackground(true);
    box->setBackgroundRole(QPalette::Base);
    box->setFixedWidth(twips::toPixels(2475));
    // Without a layout the box has no minimum height of its own to offer.
    box->setMinimumHeight(1);
    setWidget(box);

    Text1 = new QPlainTextEdit(box);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips::rect(0, 0, 2415, 6735));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    createImageButtons(box, {
        {Image2, "Image2", "Carregar Notas", "document-open", QStyle::SP_DialogOpenButton, twips::rect(0, 6840, 495, 495)},
        {Image3, "Image3", "Guardar", "document-save", QStyle::SP_DialogSaveButton, twips::rect(600, 6840, 495, 495)},
        {Image4, "Image4", "Modo Normal", "view-restore", QStyle::SP_FileIcon, twips::rect(1200, 6840, 495, 495)},
        {Image5, "Image5", "", "go-next", QStyle::SP_ArrowRight, twips::rect(1800, 6840, 495, 495)},
    });

    connect(Image2, &ImageButton::clicked, this, &NotesSideBar::loadNote);
    connect(Image3, &ImageButton::clicked, this, &NotesSideBar::storeNote);
    connect(Image4, &ImageButton::clicked, this, &NotesSideBar::normalMode);
    connect(Image5, &ImageButton::clicked, this, &QWidget::hide);
}

void NotesSideBar::loadNote()
{
    // A notes window made here stays unshown; its Load reads the note too.
    auto *notes = m_services.windows.get<Form4>(QStringLiteral("Form4"));
    if (!notes)
        return;
    notes->abrir();
    Text1->setPlainText(notes->Text1->toPlainText());
}

void NotesSideBar::storeNote()
{
    auto *notes = m_services.windows.get<Form4>(QStringLiteral("Form4"));
    if (!notes)
        return;
    notes->Text1->setPlainText(Text1->toPlainText());
    notes->save();
}

void NotesSideBar::normalMode()
{
    hide();
    m_services.windows.show(QStringLiteral("Form4"));
}
