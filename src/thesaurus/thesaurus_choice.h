// Choosing the thesaurus of an analysis: the built-in one, an existing user thesaurus, or a new
// one, empty or filled with a copy of the built-in thesaurus.
#pragma once

#include <optional>
#include <string>

#include "prompts/prompter.h"
#include "records/file_system.h"

namespace orbalis {

// "1" and "2" in the choice window; 0 before any choice.
enum class ThesaurusKind { None = 0, BuiltIn = 1, User = 2 };

struct ThesaurusChoice {
    std::string path;
    ThesaurusKind kind = ThesaurusKind::None;
};

ThesaurusChoice chooseBuiltInThesaurus(const std::string &builtInPath);

// Asks for an existing file; nullopt when the user cancelled. The file is not inspected.
std::optional<ThesaurusChoice> openExistingThesaurus(Prompter &prompter);

// Asks for the new file's name, before replacing an existing file ("File esiste"), and whether to
// import the built-in thesaurus; then creates the file. After Yes to "File esiste" the new file
// replaces the old one in one step once it is complete: a failure (a full disk, say) leaves the
// old file as it was. nullopt when the user cancelled or kept the existing file.
std::optional<ThesaurusChoice> createNewThesaurus(Prompter &prompter, const std::string &builtInPath);

// Creates `path` as an empty thesaurus or, with `import`, as a copy of every whole record of the
// built-in thesaurus, in order and unchanged. The file appears complete or not at all; with
// Publish::CreateNew an existing file is never replaced, with Publish::Replace it is, in one step.
// Throws FileError.
void createThesaurus(const std::string &path, bool import, const std::string &builtInPath,
                     Publish publish = Publish::CreateNew);

}  // namespace orbalis
