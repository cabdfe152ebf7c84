// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The program's text files are single-byte Windows-1252 with CR LF line ends,
// as the old program wrote them, so files carried over read back unchanged.
namespace textcodec {

// A character outside Windows-1252 becomes "?". Line ends are written as given.
QByteArray toWindows1252(const QString &text);
QString fromWindows1252(const QByteArray &bytes);

// Reads and writes whole files; both throw Failure with a readable reason.
QString readTextFile(const QString &path);
void appendTextFile(const QString &path, const QString &text);
void writeTextFile(const QString &path, const QString &text);

} // namespace textcodec
