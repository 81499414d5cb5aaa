#pragma once

namespace CLI {
class App;
}

namespace carbonym::cli {

// Each subcommand of carbonym-cli adds itself to its parent. Its callback
// runs the command and sets `status`, the exit status, or throws
// CliFailure with the status and the message.

void AddTranslateCommand(CLI::App& app, int& status);

void AddListCommand(CLI::App& dict, int& status); // dict list
void AddShowCommand(CLI::App& dict, int& status); // dict show N
void AddFindCommand(CLI::App& dict, int& status); // dict find TEXT
void AddAddCommand(CLI::App& dict, int& status); // dict add ENGLISH CHINESE
void AddImportCommand(CLI::App& dict, int& status); // dict import
void AddExportCommand(CLI::App& dict, int& status); // dict export
void AddSetCommand(CLI::App& dict, int& status); // dict set ENGLISH CHINESE
void AddRemoveCommand(CLI::App& dict, int& status); // dict remove ENGLISH
void AddUndoCommand(CLI::App& dict, int& status); // dict undo
void AddCheckCommand(CLI::App& dict, int& status); // dict check

} // namespace carbonym::cli
