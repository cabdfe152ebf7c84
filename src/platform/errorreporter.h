// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "failure.h"

#include <QString>

// Where a failed tool operation goes: one line in the error list, which is
// then shown and brought to the front.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual void report(const QString &description) = 0;
};

// Runs the body until its first failure and reports that failure's
// description to the error list; the rest of the body does not run.
inline void reportFailure(ErrorReporter &errors, const Step &body)
{
    if (const auto failure = firstFailure(body))
        errors.report(*failure);
}
