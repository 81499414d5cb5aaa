#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
class Error;
class Formatter;
} // namespace CLI

namespace carbonym::cli {

// The help in Chinese: headings, labels, and options that take a value
// after "=" shown as such (--sort[=plain|rules]).
std::shared_ptr<CLI::Formatter> ChineseFormatter();

// What went wrong with the command line, in one Chinese sentence that names
// the offending option or argument, with a suggestion for a near miss and
// where to find the help: the failure message of `app` for `error`.
std::string DescribeParseError(const CLI::App* app, const CLI::Error& error);

// The candidate closest to `word` by edit distance (a swap of two
// neighbours counts as one edit), when it is close enough to be a slip of
// the keyboard; empty otherwise.
std::string NearestWord(std::string_view word, const std::vector<std::string>& candidates);

} // namespace carbonym::cli
