// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connection.h"

#include <QElapsedTimer>

// The connection state read from the network interfaces: connected when an
// interface other than loopback is up and running with an address; a
// point-to-point interface counts as a modem, any other as a LAN. The answer
// is kept for a short while, since every browser window asks many times a
// second.
class NetworkConnection : public Connection
{
public:
    State state() override;

    static constexpr int cacheMs = 1000;

private:
    State m_state;
    QElapsedTimer m_age;
};
