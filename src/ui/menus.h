// Building the windows' menus. Every menu and entry carries its command's name as objectName, so
// tests and reports find it by that name; the caption is what the user reads ("&" marks the
// access key, which screen readers leave out). A shortcut shows beside the caption in the menu
// without changing it.
#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace orbalis::ui {

class Desktop;

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption);
QMenu *addSubmenu(QMenu *menu, const char *name, const QString &caption);
QAction *addEntry(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {});

// "&Aiuto" > "&A proposito", the last menu of every window's bar: the about box, modal.
QAction *addAboutMenu(QMenuBar *bar, Desktop &desktop);

// "&Stampare" (Ctrl+P), "Anteprima di stampa..." and "&Esporta CSV..." of a window with a grid.
struct ReportEntries {
    QAction *imprimer;
    QAction *apercu;
    QAction *exporter;
};
ReportEntries addReportEntries(QMenu *fichier);

}  // namespace orbalis::ui
