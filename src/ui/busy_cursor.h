// The busy pointer over a long command: shown while the guard lives, restored on every way out
// of the command, errors included.
#pragma once

#include <QGuiApplication>

namespace orbalis::ui {

class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

}  // namespace orbalis::ui
