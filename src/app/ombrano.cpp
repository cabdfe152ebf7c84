// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ombrano.h"

#include "diaehora.h"
#include "form1.h"
#include "form11.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "frmbrowser.h"
#include "mdiform1.h"
#include "meneu.h"
#include "optionhomepage.h"
#include "services.h"
#include "soucercode.h"
#include "windowregistry.h"

void defineWindows(Services &services)
{
    using Placement = WindowRegistry::Placement;
    WindowRegistry &windows = services.windows;
    windows.define(QStringLiteral("MDIForm1"), Placement::TopLevel, [&services] { return new MDIForm1(services); });
    windows.define(QStringLiteral("Meneu"), Placement::Hidden, [&services] { return new Meneu(services); });
    windows.define(QStringLiteral("frmBrowser"), Placement::FrameChild,
                   [&services] { return new frmBrowser(services); });
    windows.define(QStringLiteral("Form5"), Placement::FrameChild, [] { return new Form5; });
    windows.define(QStringLiteral("soucercode"), Placement::FrameChild,
                   [&services] { return new soucercode(services); });
    windows.define(QStringLiteral("Form4"), Placement::TopLevel, [&services] { return new Form4(services); });
    windows.define(QStringLiteral("Form1"), Placement::TopLevel, [&services] { return new Form1(services); });
    windows.define(QStringLiteral("diaehora"), Placement::FrameChild,
                   [&services] { return new diaehora(services); });
    windows.define(QStringLiteral("Form6"), Placement::FrameChild, [&services] { return new Form6(services); });
    windows.define(QStringLiteral("Form11"), Placement::TopLevel, [&services] { return new Form11(services); });
    windows.define(QStringLiteral("optionhomepage"), Placement::FrameChild,
                   [&services] { return new optionhomepage(services); });
}

MDIForm1 *startOmbrano(Services &services)
{
    defineWindows(services);
    return services.windows.get<MDIForm1>(QStringLiteral("MDIForm1"));
}
