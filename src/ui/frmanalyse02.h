// The re-opened analysis workspace: an analysis file's rows edited as in frmanalyse, with the
// thesaurus for additions chosen on the first use of Check1.
#pragma once

#include <string>

#include "ui/analysis_window.h"

namespace orbalis::ui {

class frmanalyse02 : public AnalysisWindow {
    Q_OBJECT
public:
    explicit frmanalyse02(Desktop &desktop);

    // The load: the rows of the analysis file at `path`. Throws FileError when it cannot be read.
    void load(const std::string &path);

    QPushButton *const Command1_c;  // the mood, tense, voice keypad

protected:
    std::optional<ThesaurusAddition> thesaurusAddition() const override;
    std::optional<ThesaurusAddition> proposalsThesaurus() override;

private slots:
    void check1Changed();
};

}  // namespace orbalis::ui
