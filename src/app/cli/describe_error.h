// The batch tools' English account of a failure of the file layer, one line: the path, then
// what went wrong (with the system's text where the system refused).
#pragma once

#include <string>

#include "records/file_error.h"

namespace orbalis::cli {

// "<path>: <reason>"
std::string describe(const FileError &error);
// The reason alone.
std::string describeReason(const FileError &error);

}  // namespace orbalis::cli
