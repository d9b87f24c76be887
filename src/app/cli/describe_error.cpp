#include "cli/describe_error.h"

#include "records/analysis_record.h"

namespace orbalis::cli {

namespace {

std::string withSystem(const FileError &error, const std::string &what) {
    return what + ": " + error.systemText();
}

std::string bytesThatCanBeLoaded(const FileError &error) {
    return "more than the " + std::to_string(error.limit()) + " bytes that can be loaded";
}

}  // namespace

std::string describeReason(const FileError &error) {
    using enum FileFailure;
    switch (error.failure()) {
        case Open:
            return withSystem(error, "cannot open");
        case ReadSize:
            return withSystem(error, "cannot read the size");
        case Read:
            return withSystem(error, "cannot read");
        case Write:
            return withSystem(error, "cannot write");
        case WriteRecord:
            return withSystem(error, "cannot write record " + std::to_string(error.number()));
        case Create:
            return withSystem(error, "cannot create");
        case CreateInFolder:
            if (error.problem() == FileProblem::Permission)
                return withSystem(error, "the folder " + error.folder() + " is not writable");
            if (error.problem() == FileProblem::NotFound)
                return withSystem(error, "the folder " + error.folder() + " does not exist");
            return withSystem(error, "cannot create");
        case Delete:
            return withSystem(error, "cannot delete");
        case Replace:
            return withSystem(error, "cannot replace");
        case ReadLink:
            return withSystem(error, "cannot read the symbolic link");
        case SyncFolder:
            return withSystem(error, "cannot sync the folder " + error.folder());
        case WriteReadOnlyFile:
            return withSystem(error, "the file is read-only: it cannot be written");
        case NoFileName:
            return "no file name";
        case NoSuchFile:
            return "no such file";
        case IsFolder:
            return "is a folder, not a file";
        case NotRegularFile:
            return "is not a regular file (a device, a pipe or a socket)";
        case NotRegularNotReplaced:
            return "is not a regular file (a device, a pipe or a socket); it is not replaced";
        case TooManyLinks:
            return "too many levels of symbolic links";
        case FileTooLarge:
            return "the file holds " + std::to_string(error.number()) + " bytes, " +
                   bytesThatCanBeLoaded(error);
        case GrewWhileRead:
            return "the file grew past " + std::to_string(error.limit()) + " bytes while read";
        case InputTooLarge:
            return bytesThatCanBeLoaded(error);
        case EndedEarly:
            return "the file ended before the record did";
        case NoRecord:
            return "no record " + std::to_string(error.number());
        case OpenForReadingOnly:
            return "the file is open for reading only";
        case NameTaken:
            return "the file exists already; it is not replaced";
        case ThesaurusFull:
            return "the thesaurus is full: it already holds " + std::to_string(error.limit()) +
                   " records, the most a thesaurus can hold";
        case AnalysisSize:
            return "not an analysis file: its " + std::to_string(error.number()) +
                   " bytes are not a whole number of " + std::to_string(analysis_format::kRecordLength) +
                   "-byte records";
        case AnalysisBytes:
            return "not an analysis file: record " + std::to_string(error.number()) +
                   " holds control characters";
        case SourceData:
            return error.detail();
        case ChangedSinceRead:
            return "the file changed since it was read; it was not written";
        case RecordBeyondLimit:
            return "record " + std::to_string(error.number()) + " lies past record " +
                   std::to_string(error.limit()) + ", the last a record number can count; it was not written";
    }
    return withSystem(error, "failed");
}

std::string describe(const FileError &error) {
    return error.path() + ": " + describeReason(error);
}

}  // namespace orbalis::cli
