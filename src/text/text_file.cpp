#include "text/text_file.h"

#include "records/file_system.h"
#include "text/encoding.h"

namespace orbalis {

std::string loadTextFile(const std::string &path) {
    return decodeInputText(readWholeFile(path));
}

}  // namespace orbalis
