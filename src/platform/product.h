// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace product {

// The program's title: the caption of message boxes that name no other and
// the application name of its own settings.
inline QString title() { return QStringLiteral("Ombrano"); }

// The product's web site, without a trailing "/".
inline QString site() { return QStringLiteral("http://www.ombrano.pt"); }

// The quick-search engine: its front page and the address a search text is
// appended to.
inline QString searchFrontPage() { return QStringLiteral("http://www.google.pt/"); }
inline QString searchHost() { return QStringLiteral("www.google.pt"); }

inline QString welcomePage() { return QStringLiteral("Welcome.htm"); }
inline QString errorPage() { return QStringLiteral("Página_não_encontrada.htm"); }

} // namespace product
