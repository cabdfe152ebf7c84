// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settingsstore.h"

#include <QString>

// The settings store in one SQLite file, readable by its owner only. Keys are
// matched without regard to letter case, as the old registry store did.
class SqliteSettingsStore : public SettingsStore
{
public:
    // Opens (creating if needed) the store at path. A store that cannot be
    // opened stays usable: reads give their defaults, writes fail.
    explicit SqliteSettingsStore(const QString &path);
    ~SqliteSettingsStore() override;

    // The per-user store in the configuration folder.
    static QString defaultPath();

    bool isOpen() const { return m_open; }
    QString openError() const { return m_openError; }

    QString read(const QString &application, const QString &section, const QString &key,
                 const QString &fallback = {}) const override;
    void write(const QString &application, const QString &section, const QString &key,
               const QString &value) override;
    QList<Entry> list(const QString &application, const QString &section) const override;

private:
    bool open(const QString &path);
    void restrictPermissions(const QString &path) const;

    QString m_connection;
    bool m_open = false;
    QString m_openError;
};
