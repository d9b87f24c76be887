// Loading a text into the main window: the file is read whole, and a text above the size limit
// is taken only when the user agrees.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "prompts/prompter.h"

namespace orbalis {

inline constexpr std::string_view kTextSizeTitle = "Le dimensioni del file";
// The question asked before a text above kTextLimitBytes is taken (Windows-1252, its line
// breaks exactly as the user has always seen them, LF CR pairs included).
inline constexpr std::string_view kTextSizeQuestion =
    "Attenzione!\r\nIl testo\r\nsupera il limite massimo permesso dall'applicazione (64kb = circa 500 "
    "linee di testo).\r\nIn caso di esecuzione del comando,\r\nle analisi verrano condotte solamente "
    "sulle prime 500 linee di testo.\n\r\r\nEsecuzione del comando?\n\r";

// The text of the file at `path` (see loadTextFile), or nullopt when the file is larger than
// kTextLimitBytes bytes and the user answered No to the size question. An accepted large text
// is taken whole; one above kMaxTextBytes is refused unread. Throws FileError when the file
// cannot be read.
// With `asWritten`, a UTF-8 file holding characters that Windows-1252 lacks (vowel quantities)
// also leaves its text as written there, for showing it unchanged; otherwise `asWritten` is
// emptied.
std::optional<std::string> readTextWithConsent(const std::string &path, Prompter &prompter,
                                               std::string *asWritten = nullptr);

}  // namespace orbalis
