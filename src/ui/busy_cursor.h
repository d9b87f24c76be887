// The pointer over a command. The busy pointer shows while a long command works, and is
// restored on every way out of it, errors included; while the command waits for the user (a
// question, a dialog) the normal pointer shows instead, and the busy one returns after it.
#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace orbalis::ui {

class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// Held while a dialog waits for the user: the normal pointer over a busy command.
class WaitingForUser {
public:
    WaitingForUser() : m_overridden(QGuiApplication::overrideCursor() != nullptr) {
        if (m_overridden) QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    }
    ~WaitingForUser() {
        if (m_overridden) QGuiApplication::restoreOverrideCursor();
    }
    WaitingForUser(const WaitingForUser &) = delete;
    WaitingForUser &operator=(const WaitingForUser &) = delete;

private:
    bool m_overridden;
};

}  // namespace orbalis::ui
