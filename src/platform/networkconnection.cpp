// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "networkconnection.h"

#include "logging.h"

#include <QNetworkInterface>
#include <QSocketNotifier>

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <unistd.h>

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

NetworkConnection::NetworkConnection()
{
    openChangeReports();
}

NetworkConnection::~NetworkConnection()
{
    m_changes.reset();
    if (m_socket >= 0)
        ::close(m_socket);
}

// The kernel's routing socket tells of every link going up or down and of
// every address added or removed.
void NetworkConnection::openChangeReports()
{
    m_socket = ::socket(AF_NETLINK, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, NETLINK_ROUTE);
    if (m_socket < 0) {
        qCInfo(lcOmbrano) << "no network change reports; the connection state is read every second";
        return;
    }
    sockaddr_nl address{};
    address.nl_family = AF_NETLINK;
    address.nl_groups = RTMGRP_LINK | RTMGRP_IPV4_IFADDR | RTMGRP_IPV6_IFADDR;
    if (::bind(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        qCInfo(lcOmbrano) << "no network change reports; the connection state is read every second";
        ::close(m_socket);
        m_socket = -1;
        return;
    }
    m_changes = std::make_unique<QSocketNotifier>(m_socket, QSocketNotifier::Read);
    QObject::connect(m_changes.get(), &QSocketNotifier::activated, m_changes.get(),
                     [this] { drainChangeReports(); });
}

void NetworkConnection::drainChangeReports()
{
    char buffer[8192];
    while (::recv(m_socket, buffer, sizeof buffer, MSG_DONTWAIT) > 0) {
    }
    m_stale = true;
}

Connection::State NetworkConnection::state()
{
    const bool expired = !m_changes && (!m_age.isValid() || m_age.elapsed() >= cacheMs);
    if (m_stale || expired) {
        m_state = readInterfaces();
        m_stale = false;
        m_age.start();
    }
    return m_state;
}
