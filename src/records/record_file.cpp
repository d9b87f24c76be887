#include "records/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "records/file_error.h"

namespace orbalis {

RecordFile::RecordFile(std::string path, std::size_t recordLength, WhenMissing whenMissing)
    : m_path(std::move(path)), m_recordLength(recordLength) {
    if (m_path.empty()) throw FileError(m_path, "no file name");
    m_fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_fd >= 0) {
        m_writable = true;
        return;
    }
    const int openError = errno;
    if (openError == EACCES || openError == EROFS || openError == EPERM) {
        m_fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
        if (m_fd >= 0) return;
    }
    struct stat info {};
    if (whenMissing == WhenMissing::CreateOrReadEmpty && ::stat(m_path.c_str(), &info) != 0 &&
        errno == ENOENT)
        return;
    errno = openError;
    throwFileError(m_path, "cannot open");
}

RecordFile::~RecordFile() {
    if (m_fd >= 0) ::close(m_fd);
}

std::uint64_t RecordFile::sizeInBytes() const {
    if (m_fd < 0) return 0;
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) throwFileError(m_path, "cannot read the size");
    return static_cast<std::uint64_t>(info.st_size);
}

void RecordFile::readAt(std::uint64_t offset, char *out, std::size_t length) const {
    std::size_t done = 0;
    while (done < length) {
        const ssize_t got = ::pread(m_fd, out + done, length - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throwFileError(m_path, "cannot read");
        if (got == 0) throw FileError(m_path, "the file ended before the record did");
        done += static_cast<std::size_t>(got);
    }
}

std::string RecordFile::read(std::int64_t n) const {
    if (n < 1 || n > count()) throw FileError(m_path, "no record " + std::to_string(n));
    std::string record(m_recordLength, ' ');
    readAt(static_cast<std::uint64_t>(n - 1) * m_recordLength, record.data(), m_recordLength);
    return record;
}

std::string RecordFile::readWholeRecords() const {
    std::string bytes(static_cast<std::size_t>(count()) * m_recordLength, ' ');
    readWholeRecordsInto(bytes.data(), static_cast<std::size_t>(count()));
    return bytes;
}

void RecordFile::readWholeRecordsInto(char *out, std::size_t count) const {
    if (count > 0) readAt(0, out, count * m_recordLength);
}

void RecordFile::write(std::int64_t n, std::string_view record) {
    if (!m_writable) throw FileError(m_path, "the file cannot be written");
    if (n < 1) throw FileError(m_path, "no record " + std::to_string(n));
    const auto offset = static_cast<std::uint64_t>(n - 1) * m_recordLength;
    std::size_t done = 0;
    while (done < record.size()) {
        const ssize_t put =
            ::pwrite(m_fd, record.data() + done, record.size() - done, static_cast<off_t>(offset + done));
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) throwFileError(m_path, "cannot write record " + std::to_string(n));
        done += static_cast<std::size_t>(put);
    }
}

}  // namespace orbalis
