// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "errorreporter.h"

class WindowRegistry;

// Reports to the error list window: adds the line, creating the window if
// needed, shows it and brings it to the front.
class ErrorListReporter : public ErrorReporter
{
public:
    explicit ErrorListReporter(WindowRegistry &windows) : m_windows(windows) {}
    void report(const QString &description) override;

private:
    WindowRegistry &m_windows;
};
