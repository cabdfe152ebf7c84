// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakeservices.h"
#include "qtwebbrowser.h"

#include <QHttpServer>

#include <functional>
#include <memory>

// The program's services with the real web engine (a profile that keeps
// nothing on disk), the program's own SysFiles, and fakes for everything
// that would ask the user.
class EngineServices : public TestServices
{
public:
    EngineServices();
    QtWebBrowserFactory &engine() { return static_cast<QtWebBrowserFactory &>(*browsers); }
};

// A web server on 127.0.0.1 with a port of its own.
class TestServer
{
public:
    TestServer();
    QHttpServer http;
    quint16 port = 0;
    QString url(const QString &path) const;
};

// A loopback port on which nothing listens.
quint16 closedPort();

// Sets up the engine's environment, then makes the application and only
// then the test object, whose servers need the application's event loop.
int runEngineTest(const std::function<std::unique_ptr<QObject>()> &makeTest, int argc, char **argv);

#define OMBRANO_E2E_MAIN(TestObject)                                                                   \
    int main(int argc, char **argv)                                                                    \
    {                                                                                                  \
        return runEngineTest([] { return std::make_unique<TestObject>(); }, argc, argv);              \
    }
