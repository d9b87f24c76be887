#include "ui/command_guard.h"

#include <cerrno>
#include <string>

#include "text/encoding.h"

namespace orbalis::ui {

namespace {

// A file-system path (UTF-8) inside a Windows-1252 message.
std::string shownPath(const std::string &path) {
    return utf8ToCp1252(path, '?');
}

// "16 MB (16777216 byte)" for a whole number of megabytes, else the bytes alone.
std::string sizeText(std::uint64_t bytes) {
    const std::uint64_t megabyte = std::uint64_t{1} << 20;
    if (bytes % megabyte == 0)
        return std::to_string(bytes / megabyte) + " MB (" + std::to_string(bytes) + " byte)";
    return std::to_string(bytes) + " byte";
}

}  // namespace

std::string fileErrorReason(const FileError &error) {
    switch (error.problem()) {
        case FileProblem::NotFound:
            if (!error.folder().empty()) return "la cartella " + shownPath(error.folder()) + " non esiste.";
            return "il file non esiste.";
        case FileProblem::Permission:
            if (!error.folder().empty())
                return "la cartella " + shownPath(error.folder()) +
                       " e' di sola lettura: non vi si puo' scrivere.";
            if (error.whileWriting()) return "il file e' di sola lettura: non si puo' scrivere.";
            return "non si ha il permesso di leggere il file.";
        case FileProblem::NotRegular:
            if (error.failure() == FileFailure::IsFolder || error.systemError() == EISDIR)
                return "e' una cartella, non un file.";
            return "non e' un file (e' un dispositivo, una pipe o un socket).";
        case FileProblem::TooLarge:
            if (error.limit() > 0)
                return "il file e' troppo grande: il limite e' di " + sizeText(error.limit()) + ".";
            return "il file e' troppo grande.";
        case FileProblem::DiskFull:
            return "il disco e' pieno.";
        case FileProblem::ThesaurusFull:
            if (error.failure() == FileFailure::RecordBeyondLimit)
                return "la voce e' la numero " + std::to_string(error.number()) + ", oltre la " +
                       std::to_string(error.limit()) +
                       ", l'ultima che il numero di una voce possa contare: non e' stata scritta.";
            return "il Thesaurus e' pieno: contiene gia' " + std::to_string(error.limit()) +
                   " analisi, il massimo che un Thesaurus possa contenere.";
        case FileProblem::Damaged:
            if (error.failure() == FileFailure::AnalysisSize || error.failure() == FileFailure::AnalysisBytes)
                return "il file non e' un'analisi salvata, oppure e' danneggiato: non e' stato aperto.";
            if (error.failure() == FileFailure::ChangedSinceRead)
                return "il file e' cambiato dopo che la finestra l'ha letto: non e' stato scritto. "
                       "Chiudere la finestra e aprirla di nuovo.";
            return "il file e' danneggiato, o e' cambiato durante la lettura.";
        case FileProblem::Exists:
            return "il file esiste gia': non e' stato sostituito.";
        case FileProblem::Other:
            break;
    }
    // The system's own text is all there is to say.
    const std::string system = error.systemText();
    if (system.empty()) return "errore del sistema.";
    return "errore del sistema (" + utf8ToCp1252(system, '?') + ").";
}

void reportFileError(Prompter &prompter, const FileError &error) {
    const FileFailure failure = error.failure();
    if (failure == FileFailure::FileTooLarge || failure == FileFailure::GrewWhileRead ||
        failure == FileFailure::InputTooLarge) {
        prompter.inform(std::string(kTextTooLargeTitle), std::string(kTextTooLargeMessage),
                        Icon::Information);
        return;
    }
    prompter.inform("", shownPath(error.path()) + ":\r\n" + fileErrorReason(error), Icon::None);
}

void reportTextTooLong(Prompter &prompter, const TextTooLongForWorkspace &error) {
    prompter.inform("",
                    "Il testo e' troppo lungo per l'analisi (" + std::to_string(error.size()) +
                        " byte): l'area di lavoro accetta testi fino a " + sizeText(error.limit()) +
                        ".\r\nDividere il testo in parti piu' brevi.",
                    Icon::None);
}

void reportFailure(Prompter &prompter, std::string_view message) {
    prompter.inform("", std::string(message), Icon::None);
}

}  // namespace orbalis::ui
