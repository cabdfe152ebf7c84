// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "homepage.h"

#include "failure.h"
#include "frmbrowser.h"
#include "services.h"
#include "settingsstore.h"
#include "webbrowser.h"
#include "windowregistry.h"

#include <QComboBox>
#include <QTimer>

namespace {

const QString application = QStringLiteral("Zevadori Reduzud");
const QString section = QStringLiteral("HomePage0");
const QString key = QStringLiteral("Home Page");

frmBrowser &defaultBrowser(Services &services)
{
    auto *browser = services.windows.get<frmBrowser>(QStringLiteral("frmBrowser"));
    if (!browser)
        throw Failure(QStringLiteral("Não há janela de navegação"));
    return *browser;
}

} // namespace

namespace homepage {

QString stored(SettingsStore &settings)
{
    return settings.read(application, section, key);
}

void store(SettingsStore &settings, const QString &address)
{
    settings.write(application, section, key, address);
}

void openControlsHome(Services &services)
{
    resumeNext({
        [&] { defaultBrowser(services).timTimer->start(); },
        [&] { defaultBrowser(services).brwWebBrowser->GoHome(); },
    });
}

void openStoredHome(Services &services)
{
    QString home;
    resumeNext({
        [&] { home = stored(services.settings); },
        [&] { defaultBrowser(services).cboAddress->setEditText(home); },
        [&] {
            QComboBox *box = defaultBrowser(services).cboAddress;
            box->addItem(box->currentText());
        },
        [&] { defaultBrowser(services).timTimer->start(); },
        [&] { defaultBrowser(services).los(); },
    });
}

} // namespace homepage
