// The built-in thesaurus browser: always the built-in thesaurus, read only; its letter listing
// relies on the file's order by form and stops at the first later initial.
#pragma once

#include <string>

#include "ui/thesaurus_browser_window.h"

namespace orbalis::ui {

class frmrecherche01 : public ThesaurusBrowserWindow {
    Q_OBJECT
public:
    explicit frmrecherche01(Desktop &desktop);

    // The load: reads the built-in thesaurus at `path` ("Il file 'donnees.dat' non esiste!" when
    // it holds no record; nothing is created). Throws FileError when it cannot be read.
    void load(const std::string &path);
};

}  // namespace orbalis::ui
