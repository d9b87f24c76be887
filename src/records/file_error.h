// The one error type of the file layer: a file that cannot be opened, read, written, created,
// deleted or renamed. It names the path and the reason, and is caught where a command starts.
#pragma once

#include <stdexcept>
#include <string>

namespace orbalis {

class FileError : public std::runtime_error {
public:
    FileError(std::string path, std::string reason)
        : std::runtime_error(path + ": " + reason), m_path(std::move(path)), m_reason(std::move(reason)) {}

    // The path as the file system knows it (bytes, UTF-8 on this platform).
    const std::string &path() const { return m_path; }
    const std::string &reason() const { return m_reason; }

private:
    std::string m_path;
    std::string m_reason;
};

// Throws FileError for `path` with the text of the current errno, prefixed by `what`.
[[noreturn]] void throwFileError(const std::string &path, const std::string &what);

}  // namespace orbalis
