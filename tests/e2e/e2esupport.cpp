// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "e2esupport.h"

#include "product.h"

#include <QApplication>
#include <QDir>
#include <QTcpServer>
#include <QtTest>

namespace {

std::unique_ptr<WebBrowserFactory> makeEngine(TestServices &test)
{
    const QString sysFiles = test.programFolder() + QStringLiteral("/SysFiles");
    QDir().mkpath(sysFiles);
    for (const QString &name : QDir(QStringLiteral(OMBRANO_SYSFILES)).entryList(QDir::Files))
        QFile::copy(QStringLiteral(OMBRANO_SYSFILES "/") + name, sysFiles + QLatin1Char('/') + name);
    return std::make_unique<QtWebBrowserFactory>(
        test.openBrowsers, test.dialogs, test.messages,
        QtWebBrowserFactory::Pages{sysFiles + QLatin1Char('/') + product::welcomePage(), product::searchFrontPage()},
        QString());
}

} // namespace

EngineServices::EngineServices() : TestServices(makeEngine) {}

TestServer::TestServer()
{
    port = http.listen(QHostAddress::LocalHost, 0);
}

QString TestServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path);
}

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

int runEngineTest(const std::function<std::unique_ptr<QObject>()> &makeTest, int argc, char **argv)
{
    prepareWebEngineEnvironment();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const std::unique_ptr<QObject> test = makeTest();
    return QTest::qExec(test.get(), argc, argv);
}
