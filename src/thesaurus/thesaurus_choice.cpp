#include "thesaurus/thesaurus_choice.h"

#include "analysis/analysis_file.h"
#include "records/file_system.h"
#include "records/record_file.h"
#include "records/thesaurus_record.h"
#include "text/encoding.h"

namespace orbalis {

ThesaurusChoice chooseBuiltInThesaurus(const std::string &builtInPath) {
    return {builtInPath, ThesaurusKind::BuiltIn};
}

std::optional<ThesaurusChoice> openExistingThesaurus(Prompter &prompter) {
    const auto path = prompter.chooseFile(FileRole::Open, std::string(kDatFilter));
    if (!path || path->empty()) return std::nullopt;
    return ThesaurusChoice{*path, ThesaurusKind::User};
}

std::optional<ThesaurusChoice> createNewThesaurus(Prompter &prompter, const std::string &builtInPath) {
    const auto path = prompter.chooseFile(FileRole::Save, std::string(kDatFilter));
    Publish publish = Publish::CreateNew;
    if (path && fileExists(*path)) {
        const std::string question = utf8ToCp1252(*path, '?') + " esiste.\r\nVuoi cancellare?";
        if (!prompter.askYesNo("File esiste", question)) return std::nullopt;
        // The old file stays until the new one is complete, so a failure costs the user neither.
        publish = Publish::Replace;
    }
    if (!path || path->empty()) return std::nullopt;
    const bool import = prompter.askYesNo("Crea un nuovo Thesaurus",
                                          "Con importazione delle forme del Thesaurus ORBALIS?\n\r");
    createThesaurus(*path, import, builtInPath, publish);
    return ThesaurusChoice{*path, ThesaurusKind::User};
}

void createThesaurus(const std::string &path, bool import, const std::string &builtInPath, Publish publish) {
    AtomicFileWriter file(path, publish);
    if (import) {
        const RecordFile builtIn(builtInPath, thesaurus_format::kRecordLength, Access::Read,
                                 WhenMissing::CreateOrReadEmpty);
        file.append(builtIn.readWholeRecords());
    }
    file.commit();
}

}  // namespace orbalis
