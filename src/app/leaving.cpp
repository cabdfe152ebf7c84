// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "leaving.h"

#include "frmbrowser.h"
#include "program.h"
#include "services.h"
#include "webbrowser.h"
#include "windowregistry.h"

void leaveProgram(Services &services)
{
    // With the default browser window closed nothing is loading; making it
    // again only to ask would start a page load just before leaving.
    auto *browser = qobject_cast<frmBrowser *>(services.windows.find(QStringLiteral("frmBrowser")));
    if (browser && browser->brwWebBrowser->Busy()) {
        WindowRegistry::closeWindow(services.windows.find(QStringLiteral("MDIForm1")));
        return;
    }
    services.program.endNow();
}
