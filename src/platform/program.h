// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The running program as a whole.
class Program
{
public:
    virtual ~Program() = default;

    // Ends the program at once: no window's closing handler runs, so nothing
    // that windows store when they close is stored.
    virtual void endNow() = 0;
};

class QtProgram : public Program
{
public:
    void endNow() override;
};

// The folder of the running executable; the program's data files lie there.
QString executableFolder();
