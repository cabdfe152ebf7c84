// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <exception>
#include <functional>
#include <initializer_list>
#include <optional>

// A failing step of a handler: what a service throws when it cannot do what
// was asked. It never crosses the event loop: handlers catch it with one of
// the two helpers below.
class Failure : public std::exception
{
public:
    explicit Failure(QString description);
    QString description() const { return m_description; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_description;
    QByteArray m_utf8;
};

using Step = std::function<void()>;

// Runs every step in order; a step that fails is skipped and the next runs.
void resumeNext(std::initializer_list<Step> steps);

// Runs one step; a failure is swallowed (and logged). Returns true when it ran
// to its end.
bool tryStep(const Step &step);

// Runs the body until its first failure and hands back that failure's
// description; nothing when the body ran to its end.
std::optional<QString> firstFailure(const Step &body);
