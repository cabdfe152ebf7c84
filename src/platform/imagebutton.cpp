// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagebutton.h"

#include <QMouseEvent>

ImageButton::ImageButton(const QString &toolTip, const QString &themeIcon, QStyle::StandardPixmap fallback,
                         QWidget *parent)
    : QLabel(parent)
{
    m_icon = QIcon::fromTheme(themeIcon);
    if (m_icon.isNull())
        m_icon = style()->standardIcon(fallback);
    setToolTip(toolTip);
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ImageButton::resizeEvent(QResizeEvent *event)
{
    const int side = qMax(8, qMin(width(), height()) - 4);
    setPixmap(m_icon.pixmap(side, side));
    QLabel::resizeEvent(event);
}

void createImageButtons(QWidget *parent, std::initializer_list<ImageButtonDesign> designs)
{
    for (const ImageButtonDesign &design : designs) {
        design.image = new ImageButton(QString::fromUtf8(design.toolTip), QString::fromLatin1(design.themeIcon),
                                       design.fallback, parent);
        design.image->setObjectName(QString::fromLatin1(design.name));
        design.image->setGeometry(design.place);
    }
}
