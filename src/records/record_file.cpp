#include "records/record_file.h"

#include "records/file_error.h"

namespace orbalis {

RecordFile::RecordFile(std::string path, std::size_t recordLength, Access access, WhenMissing whenMissing)
    : m_file(std::move(path), access, whenMissing), m_recordLength(recordLength) {}

std::string RecordFile::read(std::int64_t n) const {
    if (n < 1 || n > count())
        throw FileError(path(), FileFailure::NoRecord).withNumber(static_cast<std::uint64_t>(n));
    std::string record(m_recordLength, ' ');
    m_file.readAt(static_cast<std::uint64_t>(n - 1) * m_recordLength, record.data(), m_recordLength);
    return record;
}

std::string RecordFile::readWholeRecords() const {
    std::string bytes(static_cast<std::size_t>(count()) * m_recordLength, ' ');
    readWholeRecordsInto(bytes.data(), static_cast<std::size_t>(count()));
    return bytes;
}

void RecordFile::readWholeRecordsInto(char *out, std::size_t count) const {
    if (count > 0) m_file.readAt(0, out, count * m_recordLength);
}

void RecordFile::write(std::int64_t n, std::string_view record) {
    if (n < 1) throw FileError(path(), FileFailure::NoRecord).withNumber(static_cast<std::uint64_t>(n));
    m_file.writeAt(static_cast<std::uint64_t>(n - 1) * m_recordLength, record, n);
}

}  // namespace orbalis
