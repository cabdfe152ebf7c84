// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connection.h"

#include <QElapsedTimer>

#include <memory>

class QSocketNotifier;

// The connection state read from the network interfaces: connected when an
// interface other than loopback is up and running with an address; a
// point-to-point interface counts as a modem, any other as a LAN.
//
// Every browser window asks many times a second, so the answer is kept and
// read again only when the kernel reports a change of a link or an address.
// Where that report cannot be had, the answer is kept for a second.
class NetworkConnection : public Connection
{
public:
    NetworkConnection();
    ~NetworkConnection() override;

    State state() override;

    static constexpr int cacheMs = 1000;

private:
    void openChangeReports();
    void drainChangeReports();

    State m_state;
    bool m_stale = true;
    int m_socket = -1;
    std::unique_ptr<QSocketNotifier> m_changes;
    QElapsedTimer m_age;
};
