// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowregistry.h"

#include "designwindow.h"
#include "logging.h"

#include <QCursor>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

WindowRegistry::WindowRegistry(QObject *parent) : QObject(parent) {}

WindowRegistry::~WindowRegistry()
{
    // Top-level windows have no parent to delete them; hidden ones (the menu
    // owner, windows only used for their controls) would otherwise leak.
    for (const QPointer<QWidget> &window : std::as_const(m_unparented))
        delete window.data();
}

void WindowRegistry::define(const QString &name, Placement placement, Factory factory)
{
    m_definitions.insert(name, {placement, std::move(factory)});
}

bool WindowRegistry::isDefined(const QString &name) const
{
    return m_definitions.contains(name);
}

void WindowRegistry::setFrameArea(QMdiArea *area)
{
    m_frameArea = area;
}

QWidget *WindowRegistry::find(const QString &name) const
{
    return m_defaults.value(name).data();
}

QWidget *WindowRegistry::get(const QString &name)
{
    if (QWidget *existing = find(name))
        return existing;
    return create(name, true);
}

QWidget *WindowRegistry::show(const QString &name)
{
    QWidget *window = get(name);
    if (window)
        bringToFront(window);
    return window;
}

QWidget *WindowRegistry::createInstance(const QString &name)
{
    QWidget *window = create(name, false);
    if (window)
        bringToFront(window);
    return window;
}

QWidget *WindowRegistry::create(const QString &name, bool asDefault)
{
    const auto definition = m_definitions.constFind(name);
    if (definition == m_definitions.cend()) {
        qCWarning(lcOmbrano) << "no window is defined as" << name;
        return nullptr;
    }
    QWidget *window = definition->factory();
    if (!window)
        return nullptr;
    place(window, definition->placement);
    // Known before its Load runs, so that the Load (or anything it calls)
    // finds this window instead of making another.
    if (asDefault)
        m_defaults.insert(name, window);
    emit windowCreated(name, window);
    if (auto *loadable = dynamic_cast<DesignWindow *>(window))
        loadable->load();
    return window;
}

void WindowRegistry::place(QWidget *window, Placement placement)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (placement == Placement::FrameChild && m_frameArea) {
        QMdiSubWindow *sub = m_frameArea->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setObjectName(window->objectName() + QStringLiteral("Frame"));
        return;
    }
    if (!window->parent())
        m_unparented.append(window);
}

void WindowRegistry::bringToFront(QWidget *window)
{
    if (!window)
        return;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget())) {
        if (window->isHidden())
            window->show();
        sub->show();
        if (QMdiArea *area = sub->mdiArea())
            area->setActiveSubWindow(sub);
        sub->raise();
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowRegistry::closeWindow(QWidget *window)
{
    if (!window)
        return;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        sub->close();
    else
        window->close();
}

QMenu *WindowRegistry::menu(const QString &ownerWindow, const QString &menuName)
{
    QWidget *owner = get(ownerWindow);
    return owner ? owner->findChild<QMenu *>(menuName) : nullptr;
}

void WindowRegistry::popUpMenu(const QString &ownerWindow, const QString &menuName)
{
    if (QMenu *popUp = menu(ownerWindow, menuName))
        popUp->popup(QCursor::pos());
}
