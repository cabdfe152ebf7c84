// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A window with a Load handler, which the window registry runs once the
// window has its place (inside the frame or on the desktop), before it is
// first used.
class DesignWindow
{
public:
    virtual ~DesignWindow() = default;
    virtual void load() {}
};
