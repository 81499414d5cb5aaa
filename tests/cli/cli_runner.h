#pragma once

// Runs the command line as a test gives it, words quoted as a POSIX shell
// reads them: in this process through RunCommandLine, or, when
// CARBONYM_CLI names a program (a Windows build's carbonym-cli.exe run
// through Wine, say), as that program through a shell.

#include "cli/command_line.h"
#include "test_support.h"

#include <cstdlib>
#include <sstream>
#include <stdexcept>
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

// The program under test as a process: CARBONYM_CLI, or the built
// carbonym-cli, started by the words of CARBONYM_CLI_LAUNCHER when set.
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

// Whether the tests run a separate program rather than the library.
inline bool CliIsProcess()
{
    const char* program = std::getenv("CARBONYM_CLI");
    return program && *program;
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

// What `printf 'format'` prints: \t, \n, \r, \\ and octal bytes (\377).
inline std::string Printf(const std::string& format)
{
    std::string text;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '\\' || i + 1 == format.size()) {
            text += format[i];
            continue;
        }
        const char c = format[++i];
        if (c >= '0' && c <= '7') {
            int value = 0;
            for (int digits = 0; digits < 3 && i < format.size() && format[i] >= '0' && format[i] <= '7'; ++digits)
                value = value * 8 + (format[i++] - '0');
            --i;
            text += static_cast<char>(value);
        } else {
            text += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
        }
    }
    while (!text.empty() && text.back() == '\n') // as a command substitution drops them
        text.pop_back();
    return text;
}

// The words of a command line as a shell splits them: blanks between words,
// '...' and "..." quoting, and "$(printf '...')" inside double quotes.
inline std::vector<std::string> ShellWords(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ' || c == '\t') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\'') {
            const size_t end = line.find('\'', i + 1);
            word += line.substr(i + 1, end - i - 1);
            i = end;
        } else if (c == '"') {
            for (++i; line[i] != '"'; ++i) {
                if (line.compare(i, 10, "$(printf '") == 0) {
                    const size_t end = line.find("')", i + 10);
                    word += Printf(line.substr(i + 10, end - i - 10));
                    i = end + 1;
                } else {
                    word += line[i];
                }
            }
        } else if (c == '\\' && i + 1 < line.size()) {
            word += line[++i];
        } else {
            word += c;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

// Runs the command line with the given words in this process, `input` on
// its standard input.
inline CliResult RunCliWords(const std::vector<std::string>& words, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CliResult result;
    result.status = cli::RunCommandLine(words, in, out, err);
    result.out = std::move(out).str();
    result.err = std::move(err).str();
    return result;
}

// Runs carbonym-cli with `arguments` (already quoted as needed) and `input`
// on standard input, in folder `cwd` when given.
inline CliResult RunCli(const TempDir& dir, const std::string& arguments, const std::string& input = "",
                        const std::filesystem::path& cwd = {})
{
    if (!CliIsProcess()) {
        const auto before = std::filesystem::current_path();
        if (!cwd.empty())
            std::filesystem::current_path(cwd);
        CliResult result = RunCliWords(ShellWords(arguments), input);
        std::filesystem::current_path(before);
        return result;
    }
    WriteBytes(dir / "stdin.txt", input);
    std::string program = cwd.empty() ? "" : "cd " + Quote(cwd.string()) + " && ";
    for (const auto& word : CliCommand())
        program += Quote(word) + " ";
    const std::string command = program + arguments + " < " + Quote((dir / "stdin.txt").string()) + " > "
                                + Quote((dir / "stdout.txt").string()) + " 2> " + Quote((dir / "stderr.txt").string());
    const int raw = std::system(command.c_str());
    CliResult result;
#ifdef _WIN32
    result.status = raw;
#else
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    result.out = ReadBytes(dir / "stdout.txt");
    result.err = ReadBytes(dir / "stderr.txt");
    std::filesystem::remove(dir / "stdin.txt");
    std::filesystem::remove(dir / "stdout.txt");
    std::filesystem::remove(dir / "stderr.txt");
    return result;
}

} // namespace carbonym::test
