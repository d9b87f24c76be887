#include "records/file_error.h"

#include <cerrno>
#include <cstring>

namespace orbalis {

FileError::FileError(std::string path, FileFailure failure, int systemError)
    : m_path(std::move(path)), m_failure(failure), m_systemError(systemError) {}

FileError::FileError(std::string path, FileFailure failure) : m_path(std::move(path)), m_failure(failure) {}

std::string FileError::systemText() const {
    return m_systemError == 0 ? std::string() : std::string(std::strerror(m_systemError));
}

FileProblem FileError::problem() const {
    using enum FileFailure;
    switch (m_failure) {
        case NoFileName:
        case NoSuchFile:
            return FileProblem::NotFound;
        case IsFolder:
        case NotRegularFile:
        case NotRegularNotReplaced:
            return FileProblem::NotRegular;
        case TooManyLinks:
            return FileProblem::Other;
        case FileTooLarge:
        case GrewWhileRead:
        case InputTooLarge:
            return FileProblem::TooLarge;
        case EndedEarly:
        case NoRecord:
        case AnalysisSize:
        case AnalysisBytes:
        case SourceData:
        case ChangedSinceRead:
            return FileProblem::Damaged;
        case OpenForReadingOnly:
        case WriteReadOnlyFile:
            return FileProblem::Permission;
        case NameTaken:
            return FileProblem::Exists;
        case ThesaurusFull:
        case RecordBeyondLimit:
            return FileProblem::ThesaurusFull;
        default:
            break;
    }
    switch (m_systemError) {
        case ENOENT:
        case ENOTDIR:
            return FileProblem::NotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
            return FileProblem::Permission;
        case ENOSPC:
        case EDQUOT:
            return FileProblem::DiskFull;
        case EISDIR:
            return FileProblem::NotRegular;
        case EFBIG:
            return FileProblem::TooLarge;
        case EEXIST:
            return FileProblem::Exists;
        default:
            return FileProblem::Other;
    }
}

bool FileError::whileWriting() const {
    using enum FileFailure;
    switch (m_failure) {
        case Write:
        case WriteRecord:
        case Create:
        case CreateInFolder:
        case Delete:
        case Replace:
        case SyncFolder:
        case WriteReadOnlyFile:
        case OpenForReadingOnly:
            return true;
        default:
            return false;
    }
}

void throwFileError(const std::string &path, FileFailure failure) {
    throw FileError(path, failure, errno);
}

}  // namespace orbalis
