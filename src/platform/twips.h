// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <QtMath>

// Window and control places are designed in twips: 1440 to the inch, 15 to
// the pixel at 96 pixels per inch. Every conversion goes through here.
namespace twips {

inline constexpr int perPixel = 15;

inline int toPixels(int twips) { return qRound(twips / double(perPixel)); }
inline int fromPixels(int pixels) { return pixels * perPixel; }

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QSize size(int width, int height) { return QSize(toPixels(width), toPixels(height)); }

} // namespace twips
