// carbonym-cli: the translator and its dictionary from the command line.

#include "cli/cli_io.h"
#include "cli/console.h"
#include "cli/dict_check_cli.h"
#include "cli/dict_cli.h"
#include "cli/dict_edit_cli.h"
#include "cli/dict_write_cli.h"
#include "cli/translate_cli.h"
#include "cli/messages.h"

#include <CLI/CLI.hpp>
#include <csignal>
#include <iostream>

int main(int argc, char** argv)
{
    using namespace carbonym;
#ifndef _WIN32
    // A reader that goes away (`| head`) makes the next write fail, which
    // ends the program with status 2 as any lost output does, not a signal.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    cli::UseUtf8Streams();
    cli::Utf8Arguments arguments(argc, argv);
    CLI::App app("Carbonym " CARBONYM_VERSION "：把有机化合物的英文名称译成中文", "carbonym-cli");
    // Options are written --dict everywhere: on Windows too, a path such as
    // "/data/source.dat" is an argument, not a "/d" option.
    app.allow_windows_style_options(false);
    app.set_help_flag("-h,--help", "显示帮助并退出");
    app.set_version_flag("--version", "carbonym-cli " CARBONYM_VERSION, "显示版本并退出");
    app.require_subcommand(1);

    int status = 0;
    cli::AddTranslateCommand(app, status);
    auto* dict = app.add_subcommand("dict", "查看和维护词典");
    dict->set_help_flag("-h,--help", "显示帮助并退出");
    dict->require_subcommand(1);
    cli::AddDictReadCommands(*dict, status);
    cli::AddDictWriteCommands(*dict, status);
    cli::AddDictEditCommands(*dict, status);
    cli::AddDictCheckCommand(*dict, status);
    for (auto* command : app.get_subcommands({}))
        command->set_help_flag("-h,--help", "显示帮助并退出");
    for (auto* command : dict->get_subcommands({}))
        command->set_help_flag("-h,--help", "显示帮助并退出");

    try {
        app.parse(arguments.Count(), arguments.Values());
        cli::FinishOutput(); // a lost line of output is a failure, not a success
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : cli::kExitFailed;
    } catch (const cli::CliFailure& failure) {
        std::cerr << failure.what() << '\n';
        return failure.Status();
    } catch (const std::exception&) {
        std::cerr << cli::DescribeCurrentException() << '\n';
        return cli::kExitFailed;
    }
    return status;
}
