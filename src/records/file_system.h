// The file layer's one door to the platform: every call of the operating system that the core
// makes (opening, reading and writing at an offset, sizes, links, renames, syncs) is behind this
// small interface, so the rest of the core works with paths, byte strings and FileErrors only.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace orbalis {

inline constexpr std::uint64_t kNoSizeLimit = std::numeric_limits<std::uint64_t>::max();

enum class FileKind { Missing, Regular, Folder, Other };

// What is at `path`, symbolic links followed; Missing also for a path that cannot be examined.
FileKind fileKind(const std::string &path);
bool fileExists(const std::string &path);

// The bytes of the regular file at `path`. Anything else (a folder, a device, a pipe) is refused
// without waiting on it, and so is a file of more than `maxBytes` bytes, before it is read.
// Throws FileError.
std::string readWholeFile(const std::string &path, std::uint64_t maxBytes = kNoSizeLimit);
// Standard input read to its end, refused once it passes `maxBytes`. Throws FileError.
std::string readStandardInput(std::uint64_t maxBytes);

void removeFile(const std::string &path);  // FileError on failure

// The full path of the running program; empty when the platform does not tell.
std::string runningExecutablePath();

enum class Access { Read, ReadWrite };

// What opening does with a path that names no file.
enum class WhenMissing {
    Fail,               // a FileError saying there is no such file
    ReadEmpty,          // read it as an empty file; nothing is created
    Create,             // create it empty; a failure to create is a FileError
    CreateOrReadEmpty,  // create it empty; if that is impossible, read it as an empty file
};

// A regular file open for reading at offsets, or also for writing with Access::ReadWrite. A file
// that is missing and read as empty holds no bytes and is not open. Closed by the destructor.
class OpenFile {
public:
    // Throws FileError: no such file (WhenMissing::Fail), not a regular file, a file that may not
    // be written when ReadWrite is asked for, or any other failure of the open.
    OpenFile(std::string path, Access access, WhenMissing whenMissing);
    ~OpenFile();
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;

    const std::string &path() const { return m_path; }
    std::uint64_t size() const;
    // Exactly `length` bytes from `offset`; a file that ends before is a FileError.
    void readAt(std::uint64_t offset, char *out, std::size_t length) const;
    // Writes the bytes of record `record` (named in a FileError). Throws FileError when the file
    // was opened for reading only.
    void writeAt(std::uint64_t offset, std::string_view bytes, std::int64_t record);

private:
    std::string m_path;
    int m_fd = -1;
    bool m_writable = false;
};

// How a finished file takes its place at the final path.
enum class Publish {
    Replace,    // replaces a regular file there (kept as it was until the new one is complete)
    CreateNew,  // never replaces anything: a name taken by then is a FileError (NameTaken)
};

// Writes a new file that appears at its path complete or not at all. The bytes go to an unnamed
// file in the target's folder where the file system offers one, so a process killed while
// writing leaves nothing behind; elsewhere to a hidden file of a random name beside the target.
// A symbolic link at the path is followed and its target written; a target that exists and is
// not a regular file is refused. commit() syncs the file and the folder, so a completed save
// survives a power loss. Destroying an uncommitted writer leaves the path as it was.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path, Publish publish = Publish::Replace);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    void append(std::string_view bytes);
    void commit();

private:
    void flush();
    void publishUnnamed();
    void publishNamed();

    std::string m_path;    // as given, for messages
    std::string m_target;  // the file written: the path, symbolic links followed
    std::string m_folder;
    std::string m_tempPath;  // the hidden temporary name; empty for an unnamed file
    Publish m_publish;
    std::string m_buffer;
    int m_fd = -1;
};

}  // namespace orbalis
