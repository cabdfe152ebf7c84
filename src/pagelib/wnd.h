// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <QUuid>

#include <functional>

class Wnd;
struct CreateContext;

// What a window asks the control container for when it hosts a control.
struct ControlRequest
{
    QUuid classId;
    QString windowName;
    quint32 style = 0;
    QRect rect;
    Wnd *parentWindow = nullptr;
    int childId = 0;
};

// Window base of the library's small framework. A window that hosts a
// control gets it from the process's control container; without one, or
// when the container does not know the class id, there is no control and
// creation fails.
class Wnd : public QObject
{
    Q_OBJECT
public:
    // Creates the requested control for the window; false when it cannot.
    using ControlContainer = std::function<bool(Wnd &window, const ControlRequest &request)>;

    explicit Wnd(QObject *parent = nullptr);
    ~Wnd() override;

    // Creates the control of the given class id as this window; true once
    // the container has made it. Logs a warning and returns false otherwise.
    bool CreateControl(const QUuid &classId, const QString &windowName, quint32 style,
                       const QRect &rect, Wnd *parentWindow, int childId);
    bool isCreated() const;

    void EnableWindow(bool enable);
    bool isEnabled() const;
    // A modal dialog over this window disables it until the dialog ends.
    void BeginModalState();
    void EndModalState();

    // Installs the container for the whole process and returns the previous one.
    static ControlContainer setControlContainer(ControlContainer container);

private:
    bool m_created = false;
    bool m_enabled = true;
};
