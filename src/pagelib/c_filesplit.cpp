// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "c_filesplit.h"

namespace {
constexpr QUuid fileSplitClassId{0x7aa752b5, 0xaa83, 0x11d3,
                                 0x8e, 0x15, 0xcb, 0x99, 0x3a, 0x1b, 0xe8, 0x2b};
}

C_FileSplit::C_FileSplit(QObject *parent)
    : Wnd(parent)
{
}

C_FileSplit::~C_FileSplit() = default;

bool C_FileSplit::Create(const QString &className, const QString &windowName, quint32 style,
                         const QRect &rect, Wnd *parentWindow, int childId,
                         CreateContext *context)
{
    Q_UNUSED(className)
    Q_UNUSED(context)
    return CreateControl(fileSplitClassId, windowName, style, rect, parentWindow, childId);
}
