// The file layer against hostile paths and a crashing process: creation never replaces, a killed
// save leaves nothing, special files and symbolic links, long names, read-only files and folders.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "analysis/analysis_file.h"
#include "analysis/analysis_grid.h"
#include "records/file_error.h"
#include "records/file_system.h"
#include "records/record_file.h"
#include "records/thesaurus_table.h"
#include "temp_dir.h"
#include "text/text_file.h"
#include "thesaurus/thesaurus_choice.h"

namespace orbalis {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

std::vector<std::string> namesIn(const TempDir &dir) {
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(dir.root())) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

Grid oneRowGrid(const std::string &form) {
    Grid grid = makeAnalysisGrid();
    grid.setRowCount(2);
    grid.setText(1, analysis_columns::kForm, form);
    return grid;
}

// The kind of the FileError that `operation` throws, with the folder it names, if any; "" when
// it throws none.
std::string failureOf(const std::function<void()> &operation) {
    try {
        operation();
    } catch (const FileError &error) {
        static const char *const kProblems[] = {"not found", "permission", "not regular",
                                                "too large", "disk full",  "thesaurus full",
                                                "damaged",   "exists",     "other"};
        std::string said = kProblems[static_cast<int>(error.problem())];
        if (!error.folder().empty()) said += " (folder " + error.folder() + ")";
        return said;
    }
    return "";
}

// Runs `operation` in a child process as the unprivileged user, where permissions apply even
// when the tests run as root; returns what failureOf() says there.
std::string failureAsNobody(const std::function<void()> &operation) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        const std::string reason =
            ::setgid(65534) == 0 && ::setuid(65534) == 0 ? failureOf(operation) : "cannot become nobody";
        (void)!::write(pipeEnds[1], reason.data(), reason.size());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string reason;
    char buffer[512];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) reason.append(buffer, got);
    ::close(pipeEnds[0]);
    ::waitpid(child, nullptr, 0);
    return reason;
}

TEST(FileLayer, CreationNeverReplacesAFileThatAppearedAfterTheCheck) {
    TempDir dir;
    writeBytes(dir.path("donnees.dat"), std::string(216, 'd'));
    // Another process created the name after this one saw it free.
    writeBytes(dir.path("nuovo.dat"), "theirs");
    const std::string reason =
        failureOf([&] { createThesaurus(dir.path("nuovo.dat"), true, dir.path("donnees.dat")); });
    EXPECT_EQ(reason, "exists");
    EXPECT_EQ(readBytes(dir.path("nuovo.dat")), "theirs");
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"donnees.dat", "nuovo.dat"}));
}

TEST(FileLayer, SaveKilledBeforeItsCommitLeavesNothingBehind) {
    TempDir dir;
    writeBytes(dir.path("out.dat"), "old");
    const pid_t child = ::fork();
    if (child == 0) {
        AtomicFileWriter writer(dir.path("out.dat"));
        writer.append(std::string(3 << 20, 'x'));  // past the write buffer: bytes on disk
        ::kill(::getpid(), SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(namesIn(dir), (std::vector<std::string>{"out.dat"}));
    EXPECT_EQ(readBytes(dir.path("out.dat")), "old");
}

TEST(FileLayer, SaveFollowsSymbolicLinksAndRefusesSpecialFiles) {
    TempDir dir;
    writeBytes(dir.path("real.dat"), "old");
    fs::create_symlink("real.dat", dir.path("link.dat"));
    writeAnalysisFile(dir.path("link.dat"), oneRowGrid("arma"));
    EXPECT_TRUE(fs::is_symlink(dir.path("link.dat")));
    EXPECT_EQ(readBytes(dir.path("real.dat")).size(), 218u);
    // A dangling link is saved through too: its target is created.
    fs::create_symlink("new.dat", dir.path("dangling.dat"));
    writeAnalysisFile(dir.path("dangling.dat"), oneRowGrid("arma"));
    EXPECT_EQ(fs::file_size(dir.path("new.dat")), 218u);

    ASSERT_EQ(::mkfifo(dir.path("pipe").c_str(), 0666), 0);
    EXPECT_NE(failureOf([&] { writeAnalysisFile(dir.path("pipe"), oneRowGrid("arma")); }), "");
    EXPECT_TRUE(fs::is_fifo(dir.path("pipe"))) << "a special file is never replaced";
    // Reading a pipe as records or as a text does not wait for a writer.
    EXPECT_NE(failureOf([&] { loadThesaurusTable(dir.path("pipe")); }), "");
    EXPECT_NE(failureOf([&] { loadTextFile(dir.path("pipe")); }), "");
}

TEST(FileLayer, NamesUpToTheLongestAFolderTakesAreSaved) {
    TempDir dir;
    const std::string name = std::string(251, 'n') + ".dat";  // 255 bytes
    EXPECT_EQ(failureOf([&] { writeAnalysisFile(dir.path(name), oneRowGrid("arma")); }), "");
    EXPECT_EQ(fs::file_size(dir.path(name)), 218u);
    EXPECT_EQ(failureOf([&] { createThesaurus(dir.path("t" + name.substr(1)), false, ""); }), "");
}

TEST(FileLayer, ReadingNeverOpensForWriting) {
    // The running test program cannot be opened for writing ("Text file busy"), but read it can.
    EXPECT_EQ(failureOf([] { loadThesaurusTable("/proc/self/exe"); }), "");
    EXPECT_EQ(failureOf([] { loadWorkspaceTable("/proc/self/exe"); }), "");
    TempDir dir;
    const std::string path = dir.path("t.dat");
    EXPECT_EQ(failureOf([&] { RecordFile(path, 216, Access::Read, WhenMissing::Fail); }), "not found");
    EXPECT_EQ(RecordFile(path, 216, Access::Read, WhenMissing::ReadEmpty).count(), 0);
    EXPECT_FALSE(fs::exists(path)) << "only a command that means to create creates";
    writeBytes(path, std::string(216, 't'));
    RecordFile reading(path, 216, Access::Read);
    EXPECT_NE(failureOf([&] { reading.write(2, std::string(216, 'u')); }), "");
    EXPECT_EQ(fs::file_size(path), 216u);
}

TEST(FileLayer, ReadOnlyFilesAndFoldersAreReadAndSaySoWhenWritten) {
    TempDir dir;
    fs::permissions(dir.root(), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::create_directory(dir.path("locked"));
    const std::string thesaurus = dir.path("locked/t.dat");
    writeBytes(thesaurus, std::string(216, 't'));
    fs::permissions(thesaurus, fs::perms::owner_read | fs::perms::others_read);
    fs::permissions(dir.path("locked"),
                    fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);

    EXPECT_EQ(failureAsNobody([&] {
                  if (loadThesaurusTable(thesaurus).size() != 1)
                      throw FileError(thesaurus, FileFailure::EndedEarly);
              }),
              "");
    EXPECT_EQ(failureAsNobody([&] {
                  appendThesaurusRecord(thesaurus, {"a", "", "", "", "", ""});
              }),
              "permission");
    EXPECT_EQ(failureAsNobody([&] {
                  loadThesaurusTable(dir.path("locked/none.dat"), EntryTrim::FormOnly, WhenMissing::Fail);
              }),
              "not found");
    EXPECT_EQ(failureAsNobody([&] { writeAnalysisFile(dir.path("locked/a.dat"), oneRowGrid("a")); }),
              "permission (folder " + dir.path("locked") + ")");
    EXPECT_EQ(fs::file_size(thesaurus), 216u);
}

}  // namespace
}  // namespace orbalis
