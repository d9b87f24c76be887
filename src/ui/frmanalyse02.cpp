#include "ui/frmanalyse02.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QSignalBlocker>

#include "ui/command_guard.h"
#include "ui/text_codec.h"

namespace orbalis::ui {

frmanalyse02::frmanalyse02(Desktop &desktop)
    : AnalysisWindow(desktop, Variant::Reopened), Command1_c(m_moodKeypad) {
    setObjectName(QStringLiteral("frmanalyse02"));
    Check1->setChecked(false);
    setThesaurusName(QStringLiteral("nessuno"));
    connect(Check1, &QCheckBox::toggled, this, &frmanalyse02::check1Changed);
}

void frmanalyse02::load(const std::string &path) {
    setWorkspace(openReopenedWorkspace(path));
    setDocumentPath(fromLocalPath(path));
    setSource(QStringLiteral("Analisi: ") + QFileInfo(fromLocalPath(path)).fileName());
}

void frmanalyse02::check1Changed() {
    if (m_workspace.thesaurusChosen) return;
    runCommand(prompter(), [&] { chooseThesaurusLater(m_workspace, prompter()); });
    if (!m_workspace.additionsPath.empty())
        setThesaurusName(QFileInfo(fromLocalPath(m_workspace.additionsPath)).fileName());
}

std::optional<ThesaurusAddition> frmanalyse02::thesaurusAddition() const {
    if (!Check1->isChecked()) return std::nullopt;
    return ThesaurusAddition{m_workspace.additionsPath};
}

std::optional<ThesaurusAddition> frmanalyse02::proposalsThesaurus() {
    // The thesaurus for additions is asked for here when Check1 has not asked for it yet.
    if (!m_workspace.thesaurusChosen) {
        const QSignalBlocker quiet(Check1);
        chooseThesaurusLater(m_workspace, prompter());
        if (!m_workspace.additionsPath.empty())
            setThesaurusName(QFileInfo(fromLocalPath(m_workspace.additionsPath)).fileName());
    }
    return ThesaurusAddition{m_workspace.additionsPath};
}

}  // namespace orbalis::ui
