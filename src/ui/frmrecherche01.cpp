#include "ui/frmrecherche01.h"

#include "ui/grid_model.h"

namespace orbalis::ui {

frmrecherche01::frmrecherche01(Desktop &desktop)
    : ThesaurusBrowserWindow(desktop, BrowserKind::BuiltIn, QStringLiteral("Orbalis - Thesaurus di base"),
                             QStringLiteral("Ricerca di una forma :"),
                             QStringLiteral("Risulti della ricerca :")) {
    setObjectName(QStringLiteral("frmrecherche01"));
}

void frmrecherche01::load(const std::string &path) {
    m_browser.openBuiltIn(path, prompter());
    gridModel()->apply(GridChange::reset());
}

}  // namespace orbalis::ui
