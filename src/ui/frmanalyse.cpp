#include "ui/frmanalyse.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>

#include "ui/busy_cursor.h"
#include "ui/text_codec.h"

namespace orbalis::ui {

QString thesaurusDisplayName(const ThesaurusChoice &choice) {
    if (choice.kind == ThesaurusKind::BuiltIn) return QStringLiteral("Thesaurus Orbalis");
    return QFileInfo(fromLocalPath(choice.path)).fileName();
}

frmanalyse::frmanalyse(Desktop &desktop)
    : AnalysisWindow(desktop, Variant::Analysis), Command6(m_moodKeypad) {
    setObjectName(QStringLiteral("frmanalyse"));
    // The next analysis starts with a fresh choice.
    addOwnedWindow(QStringLiteral("ThesaurusChoix"));
}

void frmanalyse::load(const AnalysisInputs &inputs) {
    BusyCursor busy;
    const bool builtIn = inputs.thesaurus.kind == ThesaurusKind::BuiltIn;
    // The built-in thesaurus is only read (a missing one reads as empty, nothing is created).
    setWorkspace(openAnalysisWorkspace(inputs.text ? std::string_view(*inputs.text) : std::string_view(),
                                       inputs.thesaurus.path, builtIn ? LookupMode::Sorted : LookupMode::Full,
                                       builtIn ? WhenMissing::ReadEmpty : WhenMissing::Create));
    m_thesaurusPath = inputs.thesaurus.path;
    setDocumentPath(fromLocalPath(inputs.textPath));
    setSource(QStringLiteral("Testo: ") + QFileInfo(fromLocalPath(inputs.textPath)).fileName());
    setThesaurusName(thesaurusDisplayName(inputs.thesaurus));
    Frame2->show();
    // Nothing is ever added to the built-in thesaurus.
    Check1->setChecked(!builtIn);
    Check1->setEnabled(!builtIn);
    m_builtIn = builtIn;
    accetta->setEnabled(!builtIn);
}

std::optional<ThesaurusAddition> frmanalyse::thesaurusAddition() const {
    if (!Check1->isChecked()) return std::nullopt;
    return ThesaurusAddition{m_thesaurusPath};
}

std::optional<ThesaurusAddition> frmanalyse::proposalsThesaurus() {
    if (m_builtIn) return std::nullopt;
    return ThesaurusAddition{m_thesaurusPath};
}

}  // namespace orbalis::ui
