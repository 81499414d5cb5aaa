#pragma once

#include <string>
#include <vector>

namespace carbonym::cli {

// The program's arguments in UTF-8. On Windows they are taken from the wide
// command line (the narrow ones are in the ANSI code page, which loses every
// character outside it); elsewhere they are the arguments as given.
class Utf8Arguments {
public:
    Utf8Arguments(int argc, char** argv);
    int Count() const { return static_cast<int>(pointers_.size()); }
    char** Values() { return pointers_.data(); }

private:
    std::vector<std::string> strings_;
    std::vector<char*> pointers_;
};

// Makes the standard streams carry UTF-8 bytes unchanged: binary mode, so
// that pipes and files get "\n" and UTF-8 as written, and a console window
// shows UTF-8 (its code page is set back when the program ends). Does
// nothing outside Windows.
void UseUtf8Streams();

// Whether standard input is a console window (Windows only), and if so its
// text up to Ctrl+Z or the end of input, read as UTF-16. False elsewhere,
// when standard input is a file or pipe.
bool ReadConsoleText(std::u16string& text);

} // namespace carbonym::cli
