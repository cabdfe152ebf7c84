// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wnd.h"

#include <QLoggingCategory>

#include <utility>

Q_LOGGING_CATEGORY(lcWnd, "ombrano.tessaline", QtWarningMsg)

namespace {
Wnd::ControlContainer &controlContainer()
{
    static Wnd::ControlContainer container;
    return container;
}
}

Wnd::Wnd(QObject *parent)
    : QObject(parent)
{
}

Wnd::~Wnd() = default;

bool Wnd::CreateControl(const QUuid &classId, const QString &windowName, quint32 style,
                        const QRect &rect, Wnd *parentWindow, int childId)
{
    const ControlContainer &container = controlContainer();
    if (!container || !container(*this, {classId, windowName, style, rect, parentWindow, childId})) {
        qCWarning(lcWnd).noquote() << "No control of class" << classId.toString() << "can be created";
        return false;
    }
    m_created = true;
    return true;
}

bool Wnd::isCreated() const
{
    return m_created;
}

void Wnd::EnableWindow(bool enable)
{
    m_enabled = enable;
}

bool Wnd::isEnabled() const
{
    return m_enabled;
}

void Wnd::BeginModalState()
{
    EnableWindow(false);
}

void Wnd::EndModalState()
{
    EnableWindow(true);
}

Wnd::ControlContainer Wnd::setControlContainer(ControlContainer container)
{
    return std::exchange(controlContainer(), std::move(container));
}
