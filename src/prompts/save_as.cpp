#include "prompts/save_as.h"

#include "text/encoding.h"

namespace orbalis {

SaveResult saveAs(Prompter &prompter, std::string_view filter, const ReplaceQuestion &question,
                  const std::function<void(const std::string &path, Publish publish)> &write) {
    const auto path = prompter.chooseFile(FileRole::Save, std::string(filter));
    if (!path || path->empty()) return {SaveOutcome::Cancelled, {}};
    Publish publish = Publish::CreateNew;
    if (fileExists(*path)) {
        // Nothing is deleted here: the new file replaces the old one only once it is complete.
        const std::string text = utf8ToCp1252(*path, '?') + std::string(question.afterPath);
        if (!prompter.askYesNo(std::string(question.title), text)) return {SaveOutcome::KeptExisting, {}};
        publish = Publish::Replace;
    }
    write(*path, publish);
    return {SaveOutcome::Saved, *path};
}

}  // namespace orbalis
