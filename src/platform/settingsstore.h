// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Per-user text values addressed by application, section and key.
class SettingsStore
{
public:
    using Entry = QPair<QString, QString>;

    virtual ~SettingsStore() = default;

    // The stored text, or fallback when the key is absent or the store is
    // unusable. Never fails.
    virtual QString read(const QString &application, const QString &section, const QString &key,
                         const QString &fallback = {}) const = 0;

    // Stores the text, creating the key as needed and replacing an old value.
    // Throws Failure when the value could not be stored.
    virtual void write(const QString &application, const QString &section, const QString &key,
                       const QString &value) = 0;

    // Every (key, value) of a section in the order its keys were first
    // created; empty when the section does not exist.
    virtual QList<Entry> list(const QString &application, const QString &section) const = 0;
};
