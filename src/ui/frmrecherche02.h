// The browser of another thesaurus: asks for the file at each opening, lists it whole, and
// deletes or edits the entry of the row the user chose.
#pragma once

#include <string>

#include "ui/thesaurus_browser_window.h"

class QLineEdit;

namespace orbalis::ui {

class frmrecherche02 : public ThesaurusBrowserWindow {
    Q_OBJECT
public:
    explicit frmrecherche02(Desktop &desktop);

    // The load: asks for a thesaurus and reads it ("Il Thesaurus e' vuoto!" when it holds no
    // record). Returns false when the user chose no file. Throws FileError when it cannot be read.
    bool load();

    QPushButton *Command2;  // picture button: deleteEntry
    QPushButton *Command3;  // picture button: the entry editor
    QLineEdit *nomfiche;    // hidden: the thesaurus's path

private slots:
    void rowChosen(std::size_t gridRow);
    void deleteEntry();
    void openEditor();
};

}  // namespace orbalis::ui
