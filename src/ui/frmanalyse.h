// The analysis workspace: the loaded text looked up in the chosen thesaurus, then edited row by
// row, with additions to a user thesaurus.
#pragma once

#include <memory>
#include <string>

#include "thesaurus/thesaurus_choice.h"
#include "ui/analysis_window.h"

namespace orbalis::ui {

// What an analysis is opened on: the main window's text as its file gave it (Windows-1252), the
// file's path, and the thesaurus chosen for it.
struct AnalysisInputs {
    std::shared_ptr<const std::string> text;
    std::string textPath;
    ThesaurusChoice thesaurus;
};

class frmanalyse : public AnalysisWindow {
    Q_OBJECT
public:
    explicit frmanalyse(Desktop &desktop);

    // The load: the text cut into forms and looked up in the thesaurus. Throws FileError when the
    // thesaurus cannot be read.
    void load(const AnalysisInputs &inputs);

    QPushButton *const Command6;  // the mood, tense, voice keypad

protected:
    std::optional<ThesaurusAddition> thesaurusAddition() const override;
    std::optional<ThesaurusAddition> proposalsThesaurus() override;

private:
    // The thesaurus the table was read from: additions go there, even when the choice window
    // has meanwhile been used to choose another one (perhaps the built-in thesaurus).
    std::string m_thesaurusPath;
    bool m_builtIn = false;
};

// The name the status bars give a thesaurus: "Thesaurus Orbalis" for the built-in one, the file's
// name for a user thesaurus.
QString thesaurusDisplayName(const ThesaurusChoice &choice);

}  // namespace orbalis::ui
