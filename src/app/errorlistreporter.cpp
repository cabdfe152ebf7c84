// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorlistreporter.h"

#include "form5.h"
#include "logging.h"
#include "windowregistry.h"

void ErrorListReporter::report(const QString &description)
{
    qCWarning(lcOmbrano) << "error:" << description;
    // A window made now starts with an empty list, so it holds only this line.
    auto *list = m_windows.get<Form5>(QStringLiteral("Form5"));
    if (!list)
        return;
    list->addLine(description);
    WindowRegistry::bringToFront(list);
}
