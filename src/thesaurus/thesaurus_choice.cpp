#include "thesaurus/thesaurus_choice.h"

#include "prompts/save_as.h"
#include "records/file_system.h"
#include "records/record_file.h"
#include "records/thesaurus_record.h"

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
    const SaveResult created =
        saveAs(prompter, kDatFilter, {"File esiste", " esiste.\r\nVuoi cancellare?"},
               [&](const std::string &path, Publish publish) {
                   const bool import = prompter.askYesNo(
                       "Crea un nuovo Thesaurus", "Con importazione delle forme del Thesaurus ORBALIS?\n\r");
                   createThesaurus(path, import, builtInPath, publish);
               });
    if (created.outcome != SaveOutcome::Saved) return std::nullopt;
    return ThesaurusChoice{created.path, ThesaurusKind::User};
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
