// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QRect>
#include <QStyle>

#include <initializer_list>

// A picture that acts as a button: a tool tip, a pointing hand over it and a
// click signal. The picture comes from the desktop's icon theme, with one of
// the style's own icons where the theme has none.
class ImageButton : public QLabel
{
    Q_OBJECT
public:
    explicit ImageButton(const QString &toolTip, const QString &themeIcon, QStyle::StandardPixmap fallback,
                         QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QIcon m_icon;
};

// One image button as a window's design gives it: the member that keeps it,
// its name, tool tip, picture and place.
struct ImageButtonDesign {
    ImageButton *&image;
    const char *name;
    const char *toolTip;
    const char *themeIcon;
    QStyle::StandardPixmap fallback;
    QRect place;
};

// Makes every designed image button on the parent, in the order given.
void createImageButtons(QWidget *parent, std::initializer_list<ImageButtonDesign> designs);
