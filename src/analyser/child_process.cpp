#include "analyser/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <thread>

namespace orbalis {

namespace {

// The file `program` names: itself when it holds a slash, else the first executable of that name
// on PATH; empty when there is none.
std::string locate(const std::string &program) {
    if (program.empty()) return {};
    if (program.find('/') != std::string::npos) return access(program.c_str(), F_OK) == 0 ? program : "";
    const char *path = std::getenv("PATH");
    std::string_view folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const std::size_t colon = folders.find(':');
        std::string folder(folders.substr(0, colon));
        if (folder.empty()) folder = ".";
        const std::string candidate = folder + "/" + program;
        struct stat info {};
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (colon == std::string_view::npos) return {};
        folders.remove_prefix(colon + 1);
    }
}

}  // namespace

ChildOutcome runChildProcess(const std::string &program, const std::vector<std::string> &arguments,
                             const std::string &workingFolder, std::chrono::milliseconds limit) {
    ChildOutcome outcome;
    const std::string file = locate(program);
    if (file.empty()) {
        outcome.status = ChildOutcome::Status::NotFound;
        return outcome;
    }
    // Everything the child needs is made before the fork: after it, only calls that are safe in
    // the child of a threaded process.
    std::vector<std::string> words{file};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (std::string &word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    // The child writes the errno of a failed start into this pipe; it closes on a good exec.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        outcome.status = ChildOutcome::Status::CannotStart;
        outcome.error = errno;
        return outcome;
    }
    const pid_t pid = fork();
    if (pid < 0) {
        outcome.status = ChildOutcome::Status::CannotStart;
        outcome.error = errno;
        close(report[0]);
        close(report[1]);
        return outcome;
    }
    if (pid == 0) {
        setpgid(0, 0);  // its own group, so that a hung child goes with whatever it started
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, 0);
            dup2(null, 1);
            dup2(null, 2);
        }
        int error = 0;
        if (chdir(workingFolder.c_str()) != 0) error = errno;
        if (error == 0) {
            execv(argv[0], argv.data());
            error = errno;
        }
        [[maybe_unused]] const ssize_t written = write(report[1], &error, sizeof error);
        _exit(127);
    }
    close(report[1]);
    int error = 0;
    ssize_t got;
    do {
        got = read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    int status = 0;
    if (got == static_cast<ssize_t>(sizeof error)) {
        waitpid(pid, &status, 0);
        outcome.status = error == ENOENT ? ChildOutcome::Status::NotFound : ChildOutcome::Status::CannotStart;
        outcome.error = error;
        return outcome;
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    auto pause = std::chrono::microseconds(200);
    while (true) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) {
            outcome.status = ChildOutcome::Status::CannotStart;
            outcome.error = errno;
            return outcome;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(-pid, SIGKILL);
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            outcome.status = ChildOutcome::Status::TimedOut;
            return outcome;
        }
        std::this_thread::sleep_for(pause);
        if (pause < std::chrono::milliseconds(10)) pause *= 2;
    }
    // Whatever the child left running in its group goes too.
    kill(-pid, SIGKILL);
    if (WIFSIGNALED(status)) {
        outcome.status = ChildOutcome::Status::Crashed;
        outcome.signal = WTERMSIG(status);
    } else {
        outcome.exitCode = WEXITSTATUS(status);
    }
    return outcome;
}

}  // namespace orbalis
