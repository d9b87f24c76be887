#include "ui/frmanalyse.h"

#include <QCheckBox>
#include <QFrame>

#include "ui/Morphologique.h"
#include "ui/ThesaurusChoix.h"
#include "ui/busy_cursor.h"
#include "ui/command_guard.h"
#include "ui/desktop.h"

namespace orbalis::ui {

frmanalyse::frmanalyse(Desktop &desktop, QWidget *parent)
    : AnalysisWindow(desktop, Variant::Analysis, "frmanalyse", parent), Command6(m_moodKeypad) {
    // The next analysis starts with a fresh choice.
    addOwnedWindow(QStringLiteral("ThesaurusChoix"));
}

bool frmanalyse::load() {
    const auto *main = m_desktop.find<Morphologique>();
    const auto *choice = m_desktop.find<ThesaurusChoix>();
    const std::string text = main ? main->text() : std::string();
    const ThesaurusKind kind = choice ? choice->thesaurusKind() : ThesaurusKind::None;
    if (kind == ThesaurusKind::None) return false;
    const std::string path = choice->thesaurusPath();

    BusyCursor busy;
    const bool builtIn = kind == ThesaurusKind::BuiltIn;
    const bool loaded = runCommand(m_desktop.prompter(), [&] {
        // The built-in thesaurus is only read (a missing one reads as empty, nothing is created).
        setWorkspace(openAnalysisWorkspace(text, path, builtIn ? LookupMode::Sorted : LookupMode::Full,
                                           builtIn ? WhenMissing::ReadEmpty : WhenMissing::Create));
    });
    if (!loaded) return false;
    m_thesaurusPath = path;
    Frame2->show();
    // Nothing is ever added to the built-in thesaurus.
    Check1->setChecked(!builtIn);
    Check1->setEnabled(!builtIn);
    return true;
}

std::optional<ThesaurusAddition> frmanalyse::thesaurusAddition() const {
    if (!Check1->isChecked()) return std::nullopt;
    return ThesaurusAddition{m_thesaurusPath};
}

}  // namespace orbalis::ui
