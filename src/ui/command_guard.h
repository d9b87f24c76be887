// The boundary of a window's command: a failure of the file layer (or any other failure thrown
// by the core) is shown to the user in a message box that names the file and the reason, and the
// window with its unsaved work goes on.
#pragma once

#include <exception>
#include <utility>

#include "prompts/prompter.h"
#include "records/file_error.h"

namespace orbalis::ui {

// Shows "<path>:" and the reason, with the application's title and the OK button.
void reportFileError(Prompter &prompter, const FileError &error);
void reportFailure(Prompter &prompter, const char *reason);

// Runs `command`; returns false when it failed (the failure has been reported).
template <class Command>
bool runCommand(Prompter &prompter, Command &&command) {
    try {
        std::forward<Command>(command)();
        return true;
    } catch (const FileError &error) {
        reportFileError(prompter, error);
    } catch (const std::exception &error) {
        reportFailure(prompter, error.what());
    }
    return false;
}

}  // namespace orbalis::ui
