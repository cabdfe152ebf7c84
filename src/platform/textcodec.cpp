// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textcodec.h"

#include "failure.h"

#include <QFile>
#include <QHash>

namespace textcodec {
namespace {

// Bytes 0x80 to 0x9F; the rest of the code page matches Latin-1. Zero marks
// the five bytes the code page leaves undefined, read back as themselves.
constexpr char16_t highBlock[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

const QHash<char16_t, char> &highBlockBytes()
{
    static const QHash<char16_t, char> bytes = [] {
        QHash<char16_t, char> map;
        for (int i = 0; i < 32; ++i) {
            if (highBlock[i])
                map.insert(highBlock[i], char(0x80 + i));
        }
        return map;
    }();
    return bytes;
}

} // namespace

QByteArray toWindows1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
            bytes.append(char(u));
        else
            bytes.append(highBlockBytes().value(u, '?'));
    }
    return bytes;
}

QString fromWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 0x80 && b <= 0x9F && highBlock[b - 0x80])
            text.append(QChar(highBlock[b - 0x80]));
        else
            text.append(QChar(b));
    }
    return text;
}

namespace {

void writeBytes(const QString &path, const QString &text, QIODevice::OpenMode mode)
{
    if (path.trimmed().isEmpty())
        throw Failure(QStringLiteral("Caminho de ficheiro vazio"));
    QFile file(path);
    if (!file.open(mode))
        throw Failure(QStringLiteral("Não foi possível abrir %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = toWindows1252(text);
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw Failure(QStringLiteral("Não foi possível escrever %1: %2").arg(path, file.errorString()));
}

} // namespace

QString readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Não foi possível abrir %1: %2").arg(path, file.errorString()));
    return fromWindows1252(file.readAll());
}

void appendTextFile(const QString &path, const QString &text)
{
    writeBytes(path, text, QIODevice::WriteOnly | QIODevice::Append);
}

void writeTextFile(const QString &path, const QString &text)
{
    writeBytes(path, text, QIODevice::WriteOnly | QIODevice::Truncate);
}

} // namespace textcodec
