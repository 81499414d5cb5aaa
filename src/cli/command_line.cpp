#include "cli/command_line.h"

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/parse_messages.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <vector>

namespace carbonym::cli {

int RunCommandLine(std::span<const std::string> arguments, std::istream& in, std::ostream& out, std::ostream& err)
{
    const Streams streams{in, out, err, &in == &std::cin && &out == &std::cout};
    const UseStreams use(streams);

    CLI::App app("Carbonym " CARBONYM_VERSION "：把有机化合物的英文名称译成中文", "carbonym-cli");
    app.formatter(ChineseFormatter());
    app.failure_message(DescribeParseError);
    app.option_defaults()->group("选项");
    // A flag takes no value ("--bilingual=3" is refused), but for --sort.
    app.option_defaults()->disable_flag_override();
    // Options are written --dict everywhere: on Windows too, a path such as
    // "/data/source.dat" is an argument, not a "/d" option.
    app.allow_windows_style_options(false);
    app.set_help_flag("-h,--help", "显示帮助并退出");
    app.set_version_flag("--version", "carbonym-cli " CARBONYM_VERSION, "显示版本并退出");
    app.require_subcommand(1);

    int status = 0;
    AddTranslateCommand(app, status);
    auto* dict = app.add_subcommand("dict", "查看和维护词典");
    dict->require_subcommand(1);
    for (auto* add : {AddListCommand, AddShowCommand, AddFindCommand, AddAddCommand, AddImportCommand, AddExportCommand,
                      AddSetCommand, AddRemoveCommand, AddUndoCommand, AddCheckCommand})
        add(*dict, status);
    for (auto* parent : {&app, dict}) {
        for (auto* command : parent->get_subcommands({})) {
            command->group("子命令");
            command->set_help_flag("-h,--help", "显示帮助并退出"); // in the group 选项
        }
    }

    try {
        // CLI11 takes the arguments last first.
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
        app.parse(reversed);
        FinishOutput(); // a lost line of output is a failure, not a success
    } catch (const CLI::ParseError& error) {
        return app.exit(error, out, err) == 0 ? 0 : kExitFailed;
    } catch (const CliFailure& failure) {
        err << failure.what() << '\n';
        return failure.Status();
    } catch (const std::exception&) {
        err << DescribeCurrentException() << '\n';
        return kExitFailed;
    }
    return status;
}

} // namespace carbonym::cli
