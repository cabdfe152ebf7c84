// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

#include <QMdiArea>
class QMenu;

// Gives every window its life. A window name stands for its default
// instance: created on first use (its Load runs first), shown without
// blocking, brought to the front when already shown, and kept until it is
// closed, after which the next use creates it again. Windows with several
// instances (browser windows) get further ones from createInstance.
//
// Windows of different subsystems reach each other only through here, by
// name, so that no subsystem depends on another's classes.
class WindowRegistry : public QObject
{
    Q_OBJECT
public:
    enum class Placement { FrameChild, TopLevel, Hidden };
    using Factory = std::function<QWidget *()>;

    explicit WindowRegistry(QObject *parent = nullptr);
    ~WindowRegistry() override;

    void define(const QString &name, Placement placement, Factory factory);
    bool isDefined(const QString &name) const;

    // The child windows go into this area; the frame sets it when it is made.
    void setFrameArea(QMdiArea *area);
    QMdiArea *frameArea() const { return m_frameArea; }

    // The default instance, created (and loaded) if needed, but not shown.
    // Null for a name no window is defined for.
    QWidget *get(const QString &name);
    template<class T> T *get(const QString &name) { return qobject_cast<T *>(get(name)); }

    // The default instance if it exists, without creating it.
    QWidget *find(const QString &name) const;

    // Creates if needed, shows and brings to the front.
    QWidget *show(const QString &name);

    // A further instance, created, loaded and shown.
    QWidget *createInstance(const QString &name);

    // Shows a window in its place and brings it to the front.
    static void bringToFront(QWidget *window);

    // Closes a window as its close box would.
    static void closeWindow(QWidget *window);

    // A pop-up menu of some window, found by its name, opened at the mouse.
    void popUpMenu(const QString &ownerWindow, const QString &menuName);
    QMenu *menu(const QString &ownerWindow, const QString &menuName);

signals:
    void windowCreated(const QString &name, QWidget *window);

private:
    struct Definition {
        Placement placement;
        Factory factory;
    };

    QWidget *create(const QString &name, bool asDefault);
    void place(QWidget *window, Placement placement);

    QHash<QString, Definition> m_definitions;
    QHash<QString, QPointer<QWidget>> m_defaults;
    QList<QPointer<QWidget>> m_unparented;
    QPointer<QMdiArea> m_frameArea;
};
