// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The login name of the user running the program.
QString loginName();

// The user's cookie folder, where the web engine keeps its profile: the
// folder that holds the home folder, the login name and the program's own
// part, e.g. "/home/ana/.local/share/Ombrano/Cookies/".
QString cookieFolder();
