// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "userfolders.h"

#include <QDir>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

QString loginName()
{
    const passwd *entry = getpwuid(geteuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

QString cookieFolder()
{
    QString root = QFileInfo(QDir::homePath()).absolutePath();
    if (!root.endsWith(QLatin1Char('/')))
        root += QLatin1Char('/');
    return root + loginName() + QStringLiteral("/.local/share/Ombrano/Cookies/");
}
