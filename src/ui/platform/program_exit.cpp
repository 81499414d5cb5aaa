#include "ui/platform/program_exit.h"

#include <cstdio>
#include <cstdlib>

namespace carbonym::ui {

namespace {
bool ending = false;
}

bool ProgramEnding()
{
    return ending;
}

void EndProgram()
{
    ending = true;
    // The core keeps no file open between commands; flushing the C streams
    // closes what remains. No destructor of a window runs, so no closing
    // animation can play.
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace carbonym::ui
