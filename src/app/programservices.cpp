// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "programservices.h"

#include "product.h"
#include "userfolders.h"

ProgramServices::Places ProgramServices::userPlaces()
{
    return {SqliteSettingsStore::defaultPath(), cookieFolder(), executableFolder()};
}

ProgramServices::ProgramServices(const Places &places)
    : m_settings(places.settingsFile),
      m_browsers(std::make_unique<QtWebBrowserFactory>(
          m_openBrowsers, m_dialogs, m_messages,
          QtWebBrowserFactory::Pages{places.programFolder + QStringLiteral("/SysFiles/") + product::welcomePage(),
                                     product::searchFrontPage()},
          places.profileFolder)),
      m_windows(std::make_unique<WindowRegistry>()),
      m_errors(std::make_unique<ErrorListReporter>(*m_windows))
{
    m_services = std::make_unique<Services>(Services{m_settings, m_messages, m_shell, m_dialogs, *m_browsers,
                                                     m_openBrowsers, m_program, *m_windows, *m_errors, m_clock,
                                                     m_connection, m_beat, places.programFolder});
}

ProgramServices::~ProgramServices()
{
    // Windows first; then the controls the engine opened on its own, before
    // the profile they belong to.
    m_windows.reset();
    m_browsers.reset();
}
