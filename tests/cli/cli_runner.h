#pragma once

#include "test_support.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

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

// The program under test and what starts it: the built carbonym-cli, or
// the program named by CARBONYM_CLI, started by the words of
// CARBONYM_CLI_LAUNCHER when that is set (a Windows build's carbonym-cli.exe
// run through Wine, say).
inline std::vector<std::string> CliCommand()
{
    std::vector<std::string> words;
    if (const char* launcher = std::getenv("CARBONYM_CLI_LAUNCHER")) {
        std::istringstream in(launcher);
        for (std::string word; in >> word;)
            words.push_back(word);
    }
    const char* program = std::getenv("CARBONYM_CLI");
    words.push_back(program && *program ? program : CARBONYM_CLI);
    return words;
}

// Whether the program under test is a Windows build: its lock file stays
// beside the dictionary, since Windows cannot remove a file that a waiting
// writer holds open.
inline bool CliIsWindowsBuild()
{
    const char* program = std::getenv("CARBONYM_CLI");
    const std::string name = program ? program : "";
    return name.size() >= 4 && name.compare(name.size() - 4, 4, ".exe") == 0;
}

// Runs carbonym-cli with `arguments` (already quoted as needed) and `input`
// on standard input.
inline CliResult RunCli(const TempDir& dir, const std::string& arguments, const std::string& input = "")
{
    WriteBytes(dir / "stdin.txt", input);
    std::string program;
    for (const auto& word : CliCommand())
        program += Quote(word) + " ";
    const std::string command = program + arguments + " < " + Quote((dir / "stdin.txt").string())
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
