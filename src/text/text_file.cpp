#include "text/text_file.h"

#include "records/file_system.h"
#include "text/encoding.h"

namespace orbalis {

std::string loadTextFile(const std::string &path) {
    return decodeOwnedInputText(readWholeFile(path, kMaxTextBytes));
}

std::string loadStandardInputText() {
    return decodeOwnedInputText(readStandardInput(kMaxTextBytes));
}

}  // namespace orbalis
