// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "meneu.h"

#include "homepage.h"
#include "leaving.h"
#include "services.h"
#include "twips.h"
#include "windowregistry.h"

#include <QAction>
#include <QMenu>

namespace {

QAction *item(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

Meneu::Meneu(Services &services, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Meneu"));
    setWindowTitle(QStringLiteral("Menu"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(twips::size(4710, 105));

    menu = new QMenu(QStringLiteral("Menu"), this);
    menu->setObjectName(QStringLiteral("menu"));
    new_page = item(menu, "new_page", QStringLiteral("Nova página"));
    about = item(menu, "about", QStringLiteral("Acerca Ombrano"));
    exit = item(menu, "exit", QStringLiteral("Fechar o Ombrano"));

    menu2 = new QMenu(QStringLiteral("Menu2"), this);
    menu2->setObjectName(QStringLiteral("menu2"));
    iehome = item(menu2, "iehome", QStringLiteral("Homepage do IE"));
    ombranohomepage = item(menu2, "ombranohomepage", QStringLiteral("Homepage do Ombrano"));

    WindowRegistry &windows = services.windows;
    connect(new_page, &QAction::triggered, this,
            [&windows] { windows.createInstance(QStringLiteral("frmBrowser")); });
    connect(about, &QAction::triggered, this, [&windows] { windows.show(QStringLiteral("Form1")); });
    connect(exit, &QAction::triggered, this, [&services] { leaveProgram(services); });
    connect(iehome, &QAction::triggered, this, [&services] { homepage::openControlsHome(services); });
    connect(ombranohomepage, &QAction::triggered, this, [&services] { homepage::openStoredHome(services); });
}
