#pragma once

#include <exception>
#include <filesystem>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>

namespace carbonym::cli {

// A command that cannot go on: the message goes to standard error and the
// program ends with `status`.
class CliFailure : public std::runtime_error {
public:
    CliFailure(int status, const std::string& message) : std::runtime_error(message), status_(status) { }
    int Status() const { return status_; }

private:
    int status_;
};

// Exit statuses shared by the commands.
inline constexpr int kExitRefused = 1;
inline constexpr int kExitFailed = 2;

// The streams a command reads and writes: the process's own (std::cin,
// std::cout, std::cerr, and on Windows the console read as UTF-16), or any
// others, such as a test's string streams. A command line run sets them for
// its duration; they are not shared between threads.
struct Streams {
    std::istream& In;
    std::ostream& Out;
    std::ostream& Err;
    bool Console = false; // the process's standard streams
};

class UseStreams {
public:
    explicit UseStreams(const Streams& streams);
    ~UseStreams();
    UseStreams(const UseStreams&) = delete;
    UseStreams& operator=(const UseStreams&) = delete;

private:
    const Streams* previous_;
};

// The standard error of the command being run.
std::ostream& ErrorStream();

// Reads UTF-8 text from `path`, or standard input when it is empty or "-".
// A byte order mark an editor put first is not part of the text. Throws
// CliFailure on an unreadable file or invalid UTF-8.
std::u16string ReadTextInput(const std::string& path);

// Writes `text` as UTF-8 with every CR LF written as "\n". Throws
// CliFailure (kExitFailed) when standard output takes it not in full.
void WriteTextOutput(std::u16string_view text);

// Every CR LF of a text box as "\n".
std::u16string ToUnixLineBreaks(std::u16string_view text);

// Writes `text` as UTF-8, its line breaks as they are, to the file `path`
// (replacing it), or to standard output when `path` is empty or "-". Throws
// CliFailure when it cannot be written whole.
void WriteOutput(std::u16string_view text, const std::string& path);

// Writes one UTF-8 line to standard output; throws as WriteTextOutput.
void WriteLine(std::u16string_view text);
void WriteLine(std::string_view utf8);

// Flushes standard output; throws as WriteTextOutput when anything written
// to it was lost (a full disk, a closed pipe).
void FinishOutput();

// The dictionary a command uses: --dict, or source.dat beside the program.
std::filesystem::path ResolveDictionary(const std::string& option);

// The same for a command that only reads: throws CliFailure (kExitFailed)
// when the file is missing, so that reading never creates a dictionary.
std::filesystem::path ExistingDictionary(const std::string& option);

// "修改失败，词典没有任何改动：" and the exception being handled, described.
std::string ChangeFailureMessage(const char* what);

// Runs a change of the dictionary; a failure (an exception) becomes
// CliFailure (kExitFailed) with `what` ("修改失败"), the words saying that
// the dictionary is unchanged, and why.
template <typename Change>
auto RunChange(const char* what, Change change) -> decltype(change())
{
    try {
        return change();
    } catch (const CliFailure&) {
        throw;
    } catch (...) {
        throw CliFailure(kExitFailed, ChangeFailureMessage(what));
    }
}

} // namespace carbonym::cli
