// The application as its users see it, set up in one place for the desktop program and for the
// windows' tests: its name, its version, the icon of every window, Qt's own texts in Italian, and a
// private runtime folder where the session names none.
#pragma once

#include <QApplication>

#include <memory>

namespace orbalis::ui {

// Creates the application. Window titles are the windows' captions exactly: no application name is
// appended to them. Qt's own dialogs and buttons ("Sì", "No", "Annulla") speak Italian whatever the
// system's language, since the whole interface does.
std::unique_ptr<QApplication> createApplication(int &argc, char **argv);

}  // namespace orbalis::ui
