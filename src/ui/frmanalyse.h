// The analysis workspace: the loaded text looked up in the chosen thesaurus, then edited row by
// row, with additions to a user thesaurus.
#pragma once

#include "ui/analysis_window.h"

namespace orbalis::ui {

class frmanalyse : public AnalysisWindow {
    Q_OBJECT
public:
    explicit frmanalyse(Desktop &desktop, QWidget *parent = nullptr);

    // The load: the main window's text cut into forms and looked up in the choice window's
    // thesaurus. False when the thesaurus could not be read (the failure has been reported).
    bool load();

    QPushButton *const Command6;  // the mood, tense, voice keypad

protected:
    std::optional<ThesaurusAddition> thesaurusAddition() const override;

private:
    // The thesaurus the table was read from: additions go there, even when the choice window
    // has meanwhile been used to choose another one (perhaps the built-in thesaurus).
    std::string m_thesaurusPath;
};

}  // namespace orbalis::ui
