// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorlistreporter.h"

#include "logging.h"
#include "windowregistry.h"

#include <QMetaObject>

void ErrorListReporter::report(const QString &description)
{
    qCWarning(lcOmbrano) << "error:" << description;
    QWidget *list = m_windows.show(QStringLiteral("Form5"));
    if (list)
        QMetaObject::invokeMethod(list, "addLine", Q_ARG(QString, description));
}
