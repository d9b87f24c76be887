#include "records/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <cstring>

#include "records/file_error.h"

namespace orbalis {

void throwFileError(const std::string &path, const std::string &what) {
    throw FileError(path, what + ": " + std::strerror(errno));
}

namespace {

void writeAll(int fd, std::string_view bytes, const std::string &path) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) throwFileError(path, "cannot write");
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
}

constexpr std::size_t kWriteChunk = 1 << 20;

}  // namespace

bool fileExists(const std::string &path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

std::string readWholeFile(const std::string &path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throwFileError(path, "cannot open");
    std::string bytes;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        throw FileError(path, "is a folder, not a file");
    }
    if (info.st_size > 0) bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int readError = errno;
            ::close(fd);
            errno = readError;
            throwFileError(path, "cannot read");
        }
        if (got == 0) break;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

void removeFile(const std::string &path) {
    if (::unlink(path.c_str()) != 0) throwFileError(path, "cannot delete");
}

AtomicFileWriter::AtomicFileWriter(std::string path) : m_path(std::move(path)) {
    if (m_path.empty()) throw FileError(m_path, "no file name");
    static std::atomic<unsigned> serial{0};
    m_tempPath = m_path + ".part-" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
    m_fd = ::open(m_tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_fd < 0) throwFileError(m_path, "cannot create");
    // A replaced file keeps its permissions.
    struct stat existing {};
    if (::stat(m_path.c_str(), &existing) == 0) ::fchmod(m_fd, existing.st_mode & 07777);
}

AtomicFileWriter::~AtomicFileWriter() {
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(m_tempPath.c_str());
    }
}

void AtomicFileWriter::append(std::string_view bytes) {
    m_buffer.append(bytes);
    if (m_buffer.size() >= kWriteChunk) flush();
}

void AtomicFileWriter::flush() {
    writeAll(m_fd, m_buffer, m_path);
    m_buffer.clear();
}

void AtomicFileWriter::commit() {
    flush();
    if (::fsync(m_fd) != 0) throwFileError(m_path, "cannot write");
    if (::close(m_fd) != 0) {
        m_fd = -1;
        ::unlink(m_tempPath.c_str());
        throwFileError(m_path, "cannot write");
    }
    m_fd = -1;
    if (::rename(m_tempPath.c_str(), m_path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(m_tempPath.c_str());
        errno = renameError;
        throwFileError(m_path, "cannot replace");
    }
}

}  // namespace orbalis
