#include "run_process.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace carbonym::bench {

namespace {

// The child's own ru_maxrss would count the pages of this process that it
// held between fork and exec; GNU time's child starts small.
constexpr const char* kTime = "/usr/bin/time";

} // namespace

ProcessRun RunProcess(const std::vector<std::string>& arguments, const std::filesystem::path& output,
                      const std::vector<std::string>& environment)
{
    const std::filesystem::path usageFile = output.string() + ".usage";
    std::vector<std::string> command{kTime, "-f", "%U %S %M", "-o", usageFile.string()};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : command)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = environment; // putenv keeps the pointers

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        for (auto& entry : env)
            putenv(entry.data());
        // The program's notes on standard error (lines still holding
        // English) would drown the table; a failure shows in its status.
        const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int quiet = open("/dev/null", O_WRONLY);
        if (fd < 0 || dup2(fd, STDOUT_FILENO) < 0 || quiet < 0 || dup2(quiet, STDERR_FILENO) < 0)
            _exit(127);
        execv(kTime, argv.data());
        _exit(127);
    }
    int status = 0;
    if (waitpid(pid, &status, 0) < 0)
        throw std::runtime_error("waitpid failed");
    ProcessRun run;
    run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream usage(usageFile);
    std::string line;
    std::string last; // after a failure, GNU time writes a note first
    while (std::getline(usage, line))
        last = line;
    double user = 0;
    double system = 0;
    double kilobytes = 0;
    if (std::sscanf(last.c_str(), "%lf %lf %lf", &user, &system, &kilobytes) == 3) {
        run.CpuSeconds = user + system;
        run.PeakMegabytes = kilobytes / 1024.0;
    }
    std::filesystem::remove(usageFile);
    return run;
}

} // namespace carbonym::bench
