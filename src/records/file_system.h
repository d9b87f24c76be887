// Whole-file operations of the file layer: existence, reading a text whole, deleting, and
// replacing a file atomically so that a failed write never destroys what was there.
#pragma once

#include <string>
#include <string_view>

namespace orbalis {

bool fileExists(const std::string &path);
std::string readWholeFile(const std::string &path);  // raw bytes; FileError on failure
void removeFile(const std::string &path);            // FileError on failure

// Writes a file beside its final path and renames it over that path on commit(). Destroying an
// uncommitted writer removes the partial file and leaves the final path as it was.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    void append(std::string_view bytes);
    void commit();

private:
    void flush();

    std::string m_path;
    std::string m_tempPath;
    std::string m_buffer;
    int m_fd = -1;
};

}  // namespace orbalis
