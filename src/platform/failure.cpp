// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "failure.h"

#include "logging.h"

Failure::Failure(QString description)
    : m_description(std::move(description)), m_utf8(m_description.toUtf8())
{
}

std::optional<QString> firstFailure(const Step &body)
{
    try {
        body();
    } catch (const Failure &failure) {
        return failure.description();
    } catch (const std::exception &error) {
        return QString::fromLocal8Bit(error.what());
    }
    return std::nullopt;
}

bool tryStep(const Step &step)
{
    const auto failure = firstFailure(step);
    if (failure)
        qCInfo(lcOmbrano) << "step skipped:" << *failure;
    return !failure;
}

void resumeNext(std::initializer_list<Step> steps)
{
    for (const Step &step : steps)
        tryStep(step);
}
