// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wnd.h"

// Window wrapper for the file-split control, known only by its class id
// {7AA752B5-AA83-11D3-8E15-CB993A1BE82B}. It wraps no property or method of
// the control, and nothing in Ombrano creates one.
class C_FileSplit : public Wnd
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit C_FileSplit(QObject *parent = nullptr);
    ~C_FileSplit() override;

    // Creates the control as this window. The control brings its own window
    // class, so className and context are not used.
    bool Create(const QString &className, const QString &windowName, quint32 style,
                const QRect &rect, Wnd *parentWindow, int childId,
                CreateContext *context = nullptr);
};
