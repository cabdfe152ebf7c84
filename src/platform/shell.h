// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Opens a file or address with its default action.
class Shell
{
public:
    virtual ~Shell() = default;

    // An executable file is started detached; anything else (a document, a
    // folder, a web address) goes to the desktop's default application.
    // Returns whether that worked.
    virtual bool open(const QString &fileOrAddress) = 0;
};

class DesktopShell : public Shell
{
public:
    bool open(const QString &fileOrAddress) override;
};
