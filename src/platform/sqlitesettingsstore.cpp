// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlitesettingsstore.h"

#include "failure.h"
#include "logging.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

namespace {

QAtomicInt connectionCounter;

constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

const char *createTable =
    "CREATE TABLE IF NOT EXISTS settings ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " application TEXT NOT NULL COLLATE NOCASE,"
    " section TEXT NOT NULL COLLATE NOCASE,"
    " key TEXT NOT NULL COLLATE NOCASE,"
    " value TEXT NOT NULL,"
    " UNIQUE (application, section, key))";

} // namespace

SqliteSettingsStore::SqliteSettingsStore(const QString &path)
    : m_connection(QStringLiteral("ombrano-settings-%1").arg(connectionCounter.fetchAndAddRelaxed(1)))
{
    m_open = open(path);
    if (!m_open)
        qCWarning(lcOmbrano) << "settings store unusable:" << path << m_openError;
}

SqliteSettingsStore::~SqliteSettingsStore()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QString SqliteSettingsStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
        + QStringLiteral("/settings.sqlite");
}

bool SqliteSettingsStore::open(const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        m_openError = QStringLiteral("cannot create the folder of %1").arg(path);
        return false;
    }
    // Create the file ourselves so that it is never readable by others, not
    // even for the moment before the first write.
    if (!QFileInfo::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(ownerOnly)) {
            m_openError = file.errorString();
            return false;
        }
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    if (!db.open()) {
        m_openError = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.exec(QString::fromLatin1(createTable))) {
        m_openError = query.lastError().text();
        return false;
    }
    restrictPermissions(path);
    return true;
}

void SqliteSettingsStore::restrictPermissions(const QString &path) const
{
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(path + suffix))
            QFile::setPermissions(path + suffix, ownerOnly);
    }
}

QString SqliteSettingsStore::read(const QString &application, const QString &section, const QString &key,
                                  const QString &fallback) const
{
    if (!m_open)
        return fallback;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT value FROM settings WHERE application = ? AND section = ? AND key = ?"));
    query.addBindValue(application);
    query.addBindValue(section);
    query.addBindValue(key);
    if (!query.exec() || !query.next())
        return fallback;
    return query.value(0).toString();
}

void SqliteSettingsStore::write(const QString &application, const QString &section, const QString &key,
                                const QString &value)
{
    if (!m_open)
        throw Failure(QStringLiteral("O registo de definições não está disponível: %1").arg(m_openError));
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    // The upsert keeps the row, and with it the key's place in the creation order.
    query.prepare(QStringLiteral("INSERT INTO settings (application, section, key, value) VALUES (?, ?, ?, ?)"
                                 " ON CONFLICT (application, section, key) DO UPDATE SET value = excluded.value"));
    query.addBindValue(application);
    query.addBindValue(section);
    query.addBindValue(key);
    query.addBindValue(value);
    if (!query.exec())
        throw Failure(QStringLiteral("Não foi possível guardar a definição %1: %2").arg(key, query.lastError().text()));
}

QList<SettingsStore::Entry> SqliteSettingsStore::list(const QString &application, const QString &section) const
{
    QList<Entry> entries;
    if (!m_open)
        return entries;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT key, value FROM settings WHERE application = ? AND section = ? ORDER BY id"));
    query.addBindValue(application);
    query.addBindValue(section);
    if (!query.exec())
        return entries;
    while (query.next())
        entries.append({query.value(0).toString(), query.value(1).toString()});
    return entries;
}
