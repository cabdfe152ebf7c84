// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "networkconnection.h"

#include <QNetworkInterface>

namespace {

Connection::State readInterfaces()
{
    Connection::State state;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack) || !flags.testFlag(QNetworkInterface::IsUp)
            || !flags.testFlag(QNetworkInterface::IsRunning) || interface.addressEntries().isEmpty())
            continue;
        state.connected = true;
        if (flags.testFlag(QNetworkInterface::IsPointToPoint))
            state.modem = true;
        else
            state.lan = true;
    }
    return state;
}

} // namespace

Connection::State NetworkConnection::state()
{
    if (!m_age.isValid() || m_age.elapsed() >= cacheMs) {
        m_state = readInterfaces();
        m_age.start();
    }
    return m_state;
}
