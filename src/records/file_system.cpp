#include "records/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <random>

#include "records/file_error.h"

namespace orbalis {

namespace {

constexpr std::size_t kWriteChunk = 1 << 20;
constexpr int kMostLinkHops = 40;

void writeAll(int fd, std::string_view bytes, const std::string &path) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) throwFileError(path, FileFailure::Write);
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
}

void closeKeepingErrno(int fd) {
    const int saved = errno;
    ::close(fd);
    errno = saved;
}

std::string folderOf(const std::string &path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Opens `path` for reading without waiting on a pipe or a device, and refuses anything that is
// not a regular file. The descriptor returned blocks as usual.
int openRegularForReading(const std::string &path, struct stat &info) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) throwFileError(path, FileFailure::Open);
    if (::fstat(fd, &info) != 0) {
        closeKeepingErrno(fd);
        throwFileError(path, FileFailure::ReadSize);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        throw FileError(path, S_ISDIR(info.st_mode) ? FileFailure::IsFolder : FileFailure::NotRegularFile);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// Reads `fd` to its end into `bytes`; false when it held more than `maxBytes`.
bool readToEnd(int fd, std::string &bytes, std::uint64_t maxBytes, const std::string &path) {
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throwFileError(path, FileFailure::Read);
        if (got == 0) return true;
        if (bytes.size() + static_cast<std::uint64_t>(got) > maxBytes) return false;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
}

std::string randomTempName(const std::string &folder) {
    static std::random_device device;
    const std::uint64_t bits = (std::uint64_t{device()} << 32) ^ device();
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(bits));
    return folder + "/.orbalis-" + hex + ".tmp";
}

// A failure to make a file in `folder`.
[[noreturn]] void throwCreateError(const std::string &path, const std::string &folder, int error) {
    throw FileError(path, FileFailure::CreateInFolder, error).withFolder(folder);
}

// Links the unnamed file open at `fd` to `name`; 0 or the errno of the failure.
int linkUnnamed(int fd, const std::string &name) {
    if (::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) return 0;
    if (errno != ENOENT && errno != EPERM) return errno;
    // Without the privilege that AT_EMPTY_PATH asks for, the descriptor's entry in /proc links it.
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    return errno;
}

// Follows symbolic links from `path` to the name that is finally written: the target of the last
// link, which may not exist yet.
std::string followLinks(const std::string &path) {
    std::string current = path;
    for (int hop = 0; hop < kMostLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        std::string target(4096, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length < 0) throwFileError(path, FileFailure::ReadLink);
        target.resize(static_cast<std::size_t>(length));
        current = target.starts_with('/') ? target : folderOf(current) + "/" + target;
    }
    throw FileError(path, FileFailure::TooManyLinks, ELOOP);
}

void syncFolder(const std::string &folder, const std::string &path) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // the file is in place; only its durability is not confirmed
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (synced != 0 && error == EIO) {
        throw FileError(path, FileFailure::SyncFolder, error).withFolder(folder);
    }
}

}  // namespace

FileKind fileKind(const std::string &path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) return FileKind::Missing;
    if (S_ISREG(info.st_mode)) return FileKind::Regular;
    return S_ISDIR(info.st_mode) ? FileKind::Folder : FileKind::Other;
}

bool fileExists(const std::string &path) {
    return fileKind(path) != FileKind::Missing;
}

std::string readWholeFile(const std::string &path, std::uint64_t maxBytes) {
    struct stat info {};
    const int fd = openRegularForReading(path, info);
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > maxBytes) {
        ::close(fd);
        throw FileError(path, FileFailure::FileTooLarge).withNumber(size).withLimit(maxBytes);
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    bool whole;
    try {
        whole = readToEnd(fd, bytes, maxBytes, path);
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    if (!whole) throw FileError(path, FileFailure::GrewWhileRead).withLimit(maxBytes);
    return bytes;
}

std::string readStandardInput(std::uint64_t maxBytes) {
    std::string bytes;
    if (!readToEnd(STDIN_FILENO, bytes, maxBytes, "standard input"))
        throw FileError("standard input", FileFailure::InputTooLarge).withLimit(maxBytes);
    return bytes;
}

std::string runningExecutablePath() {
    std::string path(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return {};
    path.resize(static_cast<std::size_t>(length));
    return path;
}

void removeFile(const std::string &path) {
    if (::unlink(path.c_str()) != 0) throwFileError(path, FileFailure::Delete);
}

OpenFile::OpenFile(std::string path, Access access, WhenMissing whenMissing) : m_path(std::move(path)) {
    if (m_path.empty()) throw FileError(m_path, FileFailure::NoFileName);
    // Without O_NONBLOCK, opening a named pipe would wait for a writer.
    const int flags = (access == Access::Read ? O_RDONLY : O_RDWR) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    m_fd = ::open(m_path.c_str(), flags);
    if (m_fd < 0 && errno == ENOENT) {
        if (whenMissing == WhenMissing::ReadEmpty) return;
        if (whenMissing == WhenMissing::Fail) throw FileError(m_path, FileFailure::NoSuchFile);
        m_fd = ::open(m_path.c_str(), flags | O_CREAT, 0666);
        if (m_fd < 0) {
            const int createError = errno;
            struct stat info {};
            if (whenMissing == WhenMissing::CreateOrReadEmpty && ::lstat(m_path.c_str(), &info) != 0 &&
                errno == ENOENT)
                return;
            throwCreateError(m_path, folderOf(m_path), createError);
        }
    }
    if (m_fd < 0) {
        const int openError = errno;
        if (openError == EISDIR) throw FileError(m_path, FileFailure::IsFolder);
        if (access == Access::ReadWrite &&
            (openError == EACCES || openError == EPERM || openError == EROFS || openError == ETXTBSY))
            throw FileError(m_path, FileFailure::WriteReadOnlyFile, openError);
        throw FileError(m_path, FileFailure::Open, openError);
    }
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) {
        closeKeepingErrno(m_fd);
        m_fd = -1;
        throwFileError(m_path, FileFailure::ReadSize);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(m_fd);
        m_fd = -1;
        throw FileError(m_path, S_ISDIR(info.st_mode) ? FileFailure::IsFolder : FileFailure::NotRegularFile);
    }
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
    m_writable = access == Access::ReadWrite;
}

OpenFile::~OpenFile() {
    if (m_fd >= 0) ::close(m_fd);
}

std::uint64_t OpenFile::size() const {
    if (m_fd < 0) return 0;
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) throwFileError(m_path, FileFailure::ReadSize);
    return static_cast<std::uint64_t>(info.st_size);
}

void OpenFile::readAt(std::uint64_t offset, char *out, std::size_t length) const {
    std::size_t done = 0;
    while (done < length) {
        if (m_fd < 0) throw FileError(m_path, FileFailure::EndedEarly);
        const ssize_t got = ::pread(m_fd, out + done, length - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throwFileError(m_path, FileFailure::Read);
        if (got == 0) throw FileError(m_path, FileFailure::EndedEarly);
        done += static_cast<std::size_t>(got);
    }
}

void OpenFile::writeAt(std::uint64_t offset, std::string_view bytes, std::int64_t record) {
    if (!m_writable) throw FileError(m_path, FileFailure::OpenForReadingOnly);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put =
            ::pwrite(m_fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) throw FileError(m_path, FileFailure::WriteRecord, errno).withNumber(record);
        done += static_cast<std::size_t>(put);
    }
}

AtomicFileWriter::AtomicFileWriter(std::string path, Publish publish)
    : m_path(std::move(path)), m_publish(publish) {
    if (m_path.empty()) throw FileError(m_path, FileFailure::NoFileName);
    struct stat existing {};
    bool replacing = false;
    if (publish == Publish::CreateNew) {
        m_target = m_path;
        if (::lstat(m_target.c_str(), &existing) == 0) throw FileError(m_path, FileFailure::NameTaken);
    } else {
        m_target = followLinks(m_path);
        if (::stat(m_target.c_str(), &existing) == 0) {
            if (S_ISDIR(existing.st_mode)) throw FileError(m_path, FileFailure::IsFolder);
            if (!S_ISREG(existing.st_mode)) throw FileError(m_path, FileFailure::NotRegularNotReplaced);
            replacing = true;
        }
    }
    m_folder = folderOf(m_target);
    m_fd = ::open(m_folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        const int error = errno;
        if (error != EOPNOTSUPP && error != EISDIR && error != EINVAL)
            throwCreateError(m_path, m_folder, error);
        // No unnamed files here: a hidden name beside the target; a name taken is drawn again.
        for (int attempt = 0; m_fd < 0; ++attempt) {
            m_tempPath = randomTempName(m_folder);
            m_fd = ::open(m_tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd < 0 && (errno != EEXIST || attempt == 100)) {
                const int createError = errno;
                m_tempPath.clear();
                throwCreateError(m_path, m_folder, createError);
            }
        }
    }
    // A replaced file keeps its permissions.
    if (replacing) ::fchmod(m_fd, existing.st_mode & 07777);
}

AtomicFileWriter::~AtomicFileWriter() {
    if (m_fd >= 0) ::close(m_fd);
    if (!m_tempPath.empty()) ::unlink(m_tempPath.c_str());
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
    if (::fsync(m_fd) != 0) throwFileError(m_path, FileFailure::Write);
    if (m_tempPath.empty())
        publishUnnamed();
    else
        publishNamed();
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (closed != 0) throwFileError(m_path, FileFailure::Write);
    syncFolder(m_folder, m_path);
}

void AtomicFileWriter::publishUnnamed() {
    if (m_publish == Publish::CreateNew) {
        const int error = linkUnnamed(m_fd, m_target);
        if (error == EEXIST) throw FileError(m_path, FileFailure::NameTaken);
        if (error != 0) throwCreateError(m_path, m_folder, error);
        return;
    }
    // An unnamed file cannot replace a name: it gets a hidden one for the moment of the rename.
    for (int attempt = 0;; ++attempt) {
        m_tempPath = randomTempName(m_folder);
        const int error = linkUnnamed(m_fd, m_tempPath);
        if (error == 0) break;
        m_tempPath.clear();
        if (error != EEXIST || attempt == 100) throwCreateError(m_path, m_folder, error);
    }
    publishNamed();
}

void AtomicFileWriter::publishNamed() {
    if (m_publish == Publish::CreateNew) {
        if (::renameat2(AT_FDCWD, m_tempPath.c_str(), AT_FDCWD, m_target.c_str(), RENAME_NOREPLACE) != 0) {
            if (errno != EINVAL && errno != ENOSYS) {
                if (errno == EEXIST) throw FileError(m_path, FileFailure::NameTaken);
                throwFileError(m_path, FileFailure::Create);
            }
            // A file system without the no-replace rename: a hard link fails on a taken name too.
            if (::link(m_tempPath.c_str(), m_target.c_str()) != 0) {
                if (errno == EEXIST) throw FileError(m_path, FileFailure::NameTaken);
                throwFileError(m_path, FileFailure::Create);
            }
            ::unlink(m_tempPath.c_str());
        }
    } else if (::rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
        throwFileError(m_path, FileFailure::Replace);
    }
    m_tempPath.clear();
}

}  // namespace orbalis
