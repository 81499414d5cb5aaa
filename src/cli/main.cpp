// carbonym-cli: the translator and its dictionary from the command line.

#include "cli/command_line.h"
#include "cli/console.h"

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
#ifndef _WIN32
    // A reader that goes away (`| head`) makes the next write fail, which
    // ends the program with status 2 as any lost output does, not a signal.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    carbonym::cli::UseUtf8Streams();
    carbonym::cli::Utf8Arguments arguments(argc, argv);
    const std::vector<std::string> words(arguments.Values() + (arguments.Count() > 0 ? 1 : 0),
                                         arguments.Values() + arguments.Count());
    return carbonym::cli::RunCommandLine(words, std::cin, std::cout, std::cerr);
}
