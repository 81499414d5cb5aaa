#pragma once

#include "test_support.h"

#include <cstdlib>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace carbonym::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Quote(const std::string& argument)
{
    std::string quoted = "'";
    for (char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the built carbonym-cli with `arguments` (already quoted as needed)
// and `input` on standard input.
inline CliResult RunCli(const TempDir& dir, const std::string& arguments, const std::string& input = "")
{
    WriteBytes(dir / "stdin.txt", input);
    const std::string command = Quote(CARBONYM_CLI) + " " + arguments + " < " + Quote((dir / "stdin.txt").string())
                                + " > " + Quote((dir / "stdout.txt").string()) + " 2> "
                                + Quote((dir / "stderr.txt").string());
    const int raw = std::system(command.c_str());
    CliResult result;
#ifdef _WIN32
    result.status = raw;
#else
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    result.out = ReadBytes(dir / "stdout.txt");
    result.err = ReadBytes(dir / "stderr.txt");
    return result;
}

} // namespace carbonym::test
