// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "ombrano.h"
#include "programservices.h"
#include "qtwebbrowser.h"

int main(int argc, char **argv)
{
    prepareWebEngineEnvironment();
    Application app(argc, argv);
    ProgramServices real(ProgramServices::userPlaces());
    startOmbrano(real.services());
    return app.exec();
}
