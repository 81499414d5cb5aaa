#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace carbonym::cli {

// Runs carbonym-cli with `arguments` (those after the program's name, in
// UTF-8): reads standard input from `in`, writes the output to `out` and
// every message to `err`, and returns the exit status: 0 done, 1 refused
// (nothing changed), 2 failed (a wrong command line among them). Given
// std::cin and std::cout, it is the program itself (on Windows, a console
// is read as UTF-16).
int RunCommandLine(std::span<const std::string> arguments, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace carbonym::cli
