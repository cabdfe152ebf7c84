// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// libtessaline carries two pages and its version block as Qt resources,
// addressed as :/<type>/<name>/<language> with the numbers a Windows
// resource table would give them:
//
//   :/23/5000/2070   page not found, Portuguese (Portugal), HTML
//   :/23/5001/2070   welcome page, Portuguese (Portugal), HTML
//   :/16/1/1033      version block, English (United States), JSON
//
// The resources are registered while the library is loaded and removed when
// it unloads. The pages are stored uncompressed, byte for byte as in
// pages/5000.htm and pages/5001.htm, so QResource::data() is the page itself.
// The library exports no symbol; it is used only by loading it.

// The library's application object: one instance lives from load to unload.
// It has nothing to set up, so its start-up always succeeds.
class TessalineApp
{
public:
    TessalineApp();
    ~TessalineApp();
    Q_DISABLE_COPY_MOVE(TessalineApp)
};
