// The boundary of a window's command: whatever failure the core throws (a file that cannot be
// read or written, a text too long for the workspace, memory running out) is shown to the user in
// an Italian message box, and the window with its unsaved work goes on. No failure's own text
// (the English of a library, say) ever reaches the user.
#pragma once

#include <exception>
#include <new>
#include <string>
#include <utility>

#include "analysis/analysis_grid.h"
#include "prompts/prompter.h"
#include "records/file_error.h"

namespace orbalis::ui {

inline constexpr std::string_view kOutOfMemoryMessage = "Memoria insufficiente per completare il comando.";
inline constexpr std::string_view kUnexpectedFailureMessage =
    "Il comando non e' stato completato a causa di un errore imprevisto.";
// A text above the largest one the system reads at all.
inline constexpr std::string_view kTextTooLargeTitle = "Fichier trop volumineux";
inline constexpr std::string_view kTextTooLargeMessage =
    "Le fichier est trop volumineux.\r\nLe fichier ne peut d\xE9passer la taille de 60 KO";

// The Italian reason of a file-layer failure (Windows-1252), e.g. "il file non esiste.".
std::string fileErrorReason(const FileError &error);

// Shows "<path>:" CRLF and the reason, with the application's title and the OK button; a text
// above the size limit gets the French "Fichier trop volumineux" box instead.
void reportFileError(Prompter &prompter, const FileError &error);
// "Il testo e' troppo lungo per l'analisi..." with the workspace's limit.
void reportTextTooLong(Prompter &prompter, const TextTooLongForWorkspace &error);
void reportFailure(Prompter &prompter, std::string_view message);

// Runs `command`; returns false when it failed (the failure has been reported).
template <class Command>
bool runCommand(Prompter &prompter, Command &&command) {
    try {
        std::forward<Command>(command)();
        return true;
    } catch (const FileError &error) {
        reportFileError(prompter, error);
    } catch (const TextTooLongForWorkspace &error) {
        reportTextTooLong(prompter, error);
    } catch (const std::bad_alloc &) {
        reportFailure(prompter, kOutOfMemoryMessage);
    } catch (...) {
        reportFailure(prompter, kUnexpectedFailureMessage);
    }
    return false;
}

}  // namespace orbalis::ui
