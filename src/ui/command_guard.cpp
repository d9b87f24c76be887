#include "ui/command_guard.h"

#include <string>

#include "text/encoding.h"

namespace orbalis::ui {

void reportFileError(Prompter &prompter, const FileError &error) {
    // The path is the file system's UTF-8; messages are Windows-1252.
    prompter.inform("", utf8ToCp1252(error.path(), '?') + ":\r\n" + utf8ToCp1252(error.reason(), '?'),
                    Icon::None);
}

void reportFailure(Prompter &prompter, const char *reason) {
    prompter.inform("", utf8ToCp1252(reason, '?'), Icon::None);
}

}  // namespace orbalis::ui
