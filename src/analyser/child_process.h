// Running a program as a child process with a time limit (POSIX). The child reads and writes
// files in a working folder; its standard streams go to /dev/null. Used to run the morphological
// analyser; never by the core library.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace orbalis {

struct ChildOutcome {
    enum class Status {
        Finished,     // exited by itself; see exitCode
        NotFound,     // no such program (not on PATH, or the path names nothing)
        CannotStart,  // found but not started (not executable, no memory ...); see error
        Crashed,      // ended by a signal; see signal
        TimedOut,     // still running at the time limit: stopped, with everything it started
    };
    Status status = Status::Finished;
    int exitCode = 0;
    int signal = 0;
    int error = 0;  // errno of a failed start
};

// Runs `program` (a path, or a name looked up on PATH) with `arguments` in `workingFolder` and
// waits for it at most `limit`. A child still running then is killed with its process group.
ChildOutcome runChildProcess(const std::string &program, const std::vector<std::string> &arguments,
                             const std::string &workingFolder, std::chrono::milliseconds limit);

}  // namespace orbalis
