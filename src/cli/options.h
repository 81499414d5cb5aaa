#pragma once

#include "dictionary/term_record.h"

#include <cstdint>
#include <string>

namespace CLI {
class App;
}

namespace carbonym::cli {

// The options and helpers every subcommand shares, each written once.

// --dict PATH: the dictionary a command uses (ResolveDictionary).
void AddDictionaryOption(CLI::App& command, std::string& path);

// --force: save a dictionary file that has other hard links (and, with
// `help`, whatever else the command lets it do).
void AddForceOption(CLI::App& command, bool& force, const char* help = nullptr);

// An argument as UTF-16; throws CliFailure (kExitFailed) when it is not
// valid UTF-8.
std::u16string Argument(const std::string& utf8);

// A record as `dict list` and `dict find` print it: its number, Length,
// English and Chinese (trimmed), separated by tabs, in UTF-8.
std::string RecordRow(int64_t number, const TermRecord& record);

} // namespace carbonym::cli
