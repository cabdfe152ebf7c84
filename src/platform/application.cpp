// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "logging.h"

#include <exception>

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Ombrano"));
    setDesktopFileName(QStringLiteral("ombrano"));
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        qCWarning(lcOmbrano) << "a handler failed:" << error.what();
    } catch (...) {
        qCWarning(lcOmbrano) << "a handler failed";
    }
    return false;
}
