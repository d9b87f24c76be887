// Fixed-length record files: opened for one command, read and written by record number
// (from 1), closed again. A trailing partial record is not counted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/file_system.h"

namespace orbalis {

class RecordFile {
public:
    // Opens `path` for reading (Access::Read: a read-only file or folder does not matter, and
    // write() fails) or for reading and writing (Access::ReadWrite: a file that may not be written
    // is a FileError saying so). Throws FileError when the path cannot be opened.
    RecordFile(std::string path, std::size_t recordLength, Access access,
               WhenMissing whenMissing = WhenMissing::Create);

    const std::string &path() const { return m_file.path(); }
    std::uint64_t sizeInBytes() const { return m_file.size(); }
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
    OpenFile m_file;
    std::size_t m_recordLength;
};

}  // namespace orbalis
