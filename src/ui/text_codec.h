// The one place where the system's Windows-1252 texts and the file system's path bytes become
// Qt strings and back.
#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

namespace orbalis::ui {

QString fromCp1252(std::string_view text);
// Characters without a Windows-1252 code become "?".
std::string toCp1252(const QString &text);

// A count as the status bars write it, in Italian: "1 riga", "1.234 righe".
QString italianCount(std::size_t count, const QString &one, const QString &many);

// Paths as the file system spells them (bytes in the locale's encoding, UTF-8 here).
QString fromLocalPath(const std::string &path);
std::string toLocalPath(const QString &path);

}  // namespace orbalis::ui
