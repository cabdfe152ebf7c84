// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filedialogs.h"
#include "logging.h"
#include "messagebox.h"
#include "program.h"
#include "shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

QMessageBox::StandardButton QtMessageBox::show(const QString &title, const QString &text, QMessageBox::Icon icon,
                                               QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    return QMessageBox::StandardButton(box.exec());
}

bool DesktopShell::open(const QString &fileOrAddress)
{
    if (fileOrAddress.trimmed().isEmpty())
        return false;
    const QFileInfo file(fileOrAddress);
    if (file.isFile() && file.isExecutable())
        return QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath());
    const QUrl url = file.exists() ? QUrl::fromLocalFile(file.absoluteFilePath())
                                   : QUrl::fromUserInput(fileOrAddress);
    if (!url.isValid() || (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())))
        return false;
    return QDesktopServices::openUrl(url);
}

QString QtFileDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &suggestedPath)
{
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath);
}

QString QtFileDialogs::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                    const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

void QtProgram::endNow()
{
    qCInfo(lcOmbrano) << "ending at once";
    QCoreApplication::exit(0);
}

QString executableFolder()
{
    return QCoreApplication::applicationDirPath();
}
