// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// File choosers, so that tests can answer them.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;

    // The chosen path, or empty when the user cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &suggestedPath) = 0;
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
};

class QtFileDialogs : public FileDialogs
{
public:
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggestedPath) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter) override;
};
