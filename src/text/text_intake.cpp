#include "text/text_intake.h"

#include <utility>

#include "records/file_system.h"
#include "text/encoding.h"
#include "text/text_file.h"

namespace orbalis {

std::optional<std::string> readTextWithConsent(const std::string &path, Prompter &prompter,
                                               std::string *asWritten) {
    std::string bytes = readWholeFile(path, kMaxTextBytes);
    // The limit is on the file's bytes, before any decoding.
    if (bytes.size() > kTextLimitBytes &&
        !prompter.askYesNo(std::string(kTextSizeTitle), std::string(kTextSizeQuestion)))
        return std::nullopt;
    if (asWritten) {
        asWritten->clear();
        if (!firstCharacterOutsideCp1252(bytes).empty()) *asWritten = bytes;
    }
    return decodeOwnedInputText(std::move(bytes));
}

}  // namespace orbalis
