// Fixed-length record files: opened for one command, read and written by record number
// (from 1), closed again. A trailing partial record is not counted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbalis {

// What opening does with a path that names no file.
enum class WhenMissing {
    Create,             // create it empty; a failure to create is a FileError
    CreateOrReadEmpty,  // create it empty; if that is impossible, read it as an empty file
};

class RecordFile {
public:
    // Opens `path` for reading and writing; a file that may only be read opens read-only, and
    // then write() fails. Throws FileError when the path cannot be opened.
    RecordFile(std::string path, std::size_t recordLength, WhenMissing whenMissing = WhenMissing::Create);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    const std::string &path() const { return m_path; }
    std::uint64_t sizeInBytes() const;
    std::int64_t count() const { return static_cast<std::int64_t>(sizeInBytes() / m_recordLength); }

    // Record n, 1 <= n <= count(): exactly recordLength bytes.
    std::string read(std::int64_t n) const;
    // Records 1 to count() back to back, in one read.
    std::string readWholeRecords() const;
    // Reads records 1 to `count` (at most count()) into `out`.
    void readWholeRecordsInto(char *out, std::size_t count) const;
    // Writes record n (1 <= n <= count() + 1; n = count() + 1 extends the file).
    void write(std::int64_t n, std::string_view record);

private:
    void readAt(std::uint64_t offset, char *out, std::size_t length) const;

    std::string m_path;
    std::size_t m_recordLength;
    int m_fd = -1;  // -1: a missing file that could not be created, read as empty
    bool m_writable = false;
};

}  // namespace orbalis
