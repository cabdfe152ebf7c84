// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The computer's internet connection as the system reports it.
class Connection
{
public:
    struct State {
        bool connected = false; // some interface other than loopback is up with an address
        bool modem = false;     // one of them is a point-to-point (dial-up) link
        bool lan = false;       // one of them is a local network interface
    };

    virtual ~Connection() = default;
    // Cheap enough to ask many times a second.
    virtual State state() = 0;
};
