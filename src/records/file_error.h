// The one error type of the file layer: a file that cannot be opened, read, written, created,
// deleted or renamed, or that does not hold what it should. It names the path, the kind of
// problem and the facts behind it (what failed, the system's error, the numbers involved), and is
// caught where a command starts. It carries no wording: each front end words it in its own
// language (the desktop in Italian, the batch tool in English).
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace orbalis {

// What the user is told, whichever step failed.
enum class FileProblem {
    NotFound,       // no such file, or its folder does not exist
    Permission,     // the file (or its folder) may not be read or written: read-only
    NotRegular,     // a folder, a device, a pipe or a socket where a file was expected
    TooLarge,       // larger than the command takes
    DiskFull,       // no space left on the disk, or the user's quota used up
    ThesaurusFull,  // a thesaurus holding the most records its record numbers can count
    Damaged,        // not a file of the kind expected: a wrong size, bytes no record holds
    Exists,         // a new file's name is taken already; nothing was replaced
    Other,          // any other failure; the system's text says which
};

// What failed. The steps marked "system" carry the system's error number.
enum class FileFailure {
    Open,                   // system
    ReadSize,               // system
    Read,                   // system
    Write,                  // system
    WriteRecord,            // system; number() is the record
    Create,                 // system
    CreateInFolder,         // system; folder() is where the file was to be made
    Delete,                 // system
    Replace,                // system
    ReadLink,               // system
    SyncFolder,             // system; folder() is the folder
    WriteReadOnlyFile,      // system: the file may not be opened for writing
    NoFileName,             // an empty path
    NoSuchFile,             // a file that must exist does not
    IsFolder,               // a folder where a file was expected
    NotRegularFile,         // a device, a pipe or a socket
    NotRegularNotReplaced,  // the same, at a path a save would have replaced
    TooManyLinks,           // a loop of symbolic links
    FileTooLarge,           // number() bytes, more than limit()
    GrewWhileRead,          // the file passed limit() bytes while it was read
    InputTooLarge,          // standard input passed limit() bytes
    EndedEarly,             // the file ended before the record did (it shrank meanwhile)
    NoRecord,               // record number() is not in the file
    OpenForReadingOnly,     // a write to a file opened for reading
    NameTaken,              // a new file's name is taken: nothing is replaced
    ThesaurusFull,          // a thesaurus holds limit() records already
    AnalysisSize,           // an analysis file of number() bytes: not a whole number of records
    AnalysisBytes,          // an analysis file whose record number() holds bytes no text holds
    SourceData,             // a data source that does not parse; detail() says where and why
    ChangedSinceRead,       // the file's size is not what it was when read: it was not written
    RecordBeyondLimit,      // record number() is past limit(), the most a record number can count
};

class FileError : public std::exception {
public:
    // A failure of a system call: `systemError` is its error number (errno).
    FileError(std::string path, FileFailure failure, int systemError);
    // A failure recognised without the system.
    FileError(std::string path, FileFailure failure);

    FileError &withNumber(std::uint64_t number) {
        m_number = number;
        return *this;
    }
    FileError &withLimit(std::uint64_t limit) {
        m_limit = limit;
        return *this;
    }
    FileError &withFolder(std::string folder) {
        m_folder = std::move(folder);
        return *this;
    }
    FileError &withDetail(std::string detail) {
        m_detail = std::move(detail);
        return *this;
    }

    // The path as the file system knows it (bytes, UTF-8 on this platform).
    const std::string &path() const { return m_path; }
    FileFailure failure() const { return m_failure; }
    FileProblem problem() const;
    // 0 when the failure was not the system's.
    int systemError() const { return m_systemError; }
    // The system's own text for systemError(); empty without one.
    std::string systemText() const;
    std::uint64_t number() const { return m_number; }
    std::uint64_t limit() const { return m_limit; }
    const std::string &folder() const { return m_folder; }
    const std::string &detail() const { return m_detail; }
    // True for the failures of a step that writes (so a refusal means the file is read-only).
    bool whileWriting() const;

    // The path alone: the wording is the front end's.
    const char *what() const noexcept override { return m_path.c_str(); }

private:
    std::string m_path;
    FileFailure m_failure;
    int m_systemError = 0;
    std::uint64_t m_number = 0;
    std::uint64_t m_limit = 0;
    std::string m_folder;
    std::string m_detail;
};

// Throws FileError for `path`: `failure`, with the current errno.
[[noreturn]] void throwFileError(const std::string &path, FileFailure failure);

}  // namespace orbalis
