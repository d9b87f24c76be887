// The one way a command writes a file the user names: the save dialog, the question before an
// existing file is replaced, then the writing. Saving an analysis and creating a thesaurus use it,
// and so does every later command that writes a file.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "prompts/prompter.h"
#include "records/file_system.h"

namespace orbalis {

// The question put before an existing file is replaced: `title`, and the path followed by
// `afterPath` as its text ("<path> esiste.\r\nVuoi cancellare?").
struct ReplaceQuestion {
    std::string_view title;
    std::string_view afterPath;
};

enum class SaveOutcome { Saved, Cancelled, KeptExisting };

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Cancelled;
    std::string path;  // the file written, for Saved
};

// Asks for a file name with `filter`; when that file exists, asks `question` (No keeps it and
// ends the command). Then runs `write(path, publish)`, which writes through the file layer's
// atomic save with `publish`: Replace when the user agreed to replace the file, CreateNew when
// there was none (a file that appears meanwhile is not replaced unasked). A failed write leaves
// the old file as it was; its FileError goes through to the command's boundary.
SaveResult saveAs(Prompter &prompter, std::string_view filter, const ReplaceQuestion &question,
                  const std::function<void(const std::string &path, Publish publish)> &write);

}  // namespace orbalis
