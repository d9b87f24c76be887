#include "ui/frmanalyse02.h"

#include <QCheckBox>

#include "ui/command_guard.h"
#include "ui/desktop.h"

namespace orbalis::ui {

frmanalyse02::frmanalyse02(Desktop &desktop, QWidget *parent)
    : AnalysisWindow(desktop, Variant::Reopened, "frmanalyse02", parent), Command1_c(m_moodKeypad) {
    Check1->setChecked(false);
    connect(Check1, &QCheckBox::toggled, this, &frmanalyse02::check1Changed);
}

bool frmanalyse02::load(const std::string &path) {
    return runCommand(m_desktop.prompter(), [&] { setWorkspace(openReopenedWorkspace(path)); });
}

void frmanalyse02::check1Changed() {
    if (m_workspace.thesaurusChosen) return;
    runCommand(m_desktop.prompter(), [&] { chooseThesaurusLater(m_workspace, m_desktop.prompter()); });
}

std::optional<ThesaurusAddition> frmanalyse02::thesaurusAddition() const {
    if (!Check1->isChecked()) return std::nullopt;
    return ThesaurusAddition{m_workspace.additionsPath};
}

}  // namespace orbalis::ui
