#include "cli/console.h"

#include "text/utf8.h"

#ifdef _WIN32
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>
#endif

namespace carbonym::cli {

Utf8Arguments::Utf8Arguments(int argc, char** argv)
{
#ifdef _WIN32
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide) {
        for (int i = 0; i < count; ++i) {
            const std::wstring_view argument(wide[i]);
            strings_.push_back(Utf16ToUtf8(std::u16string(argument.begin(), argument.end())));
        }
        LocalFree(wide);
    }
#endif
    if (strings_.empty())
        strings_.assign(argv, argv + argc);
    for (auto& argument : strings_)
        pointers_.push_back(argument.data());
}

#ifdef _WIN32
namespace {

UINT originalOutputCodePage = 0;

void RestoreConsole()
{
    SetConsoleOutputCP(originalOutputCodePage);
}

} // namespace
#endif

void UseUtf8Streams()
{
#ifdef _WIN32
    static bool done = false;
    if (done)
        return;
    done = true;
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    originalOutputCodePage = GetConsoleOutputCP();
    if (originalOutputCodePage != 0 && originalOutputCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        std::atexit(RestoreConsole);
#endif
}

bool ReadConsoleText(std::u16string& text)
{
#ifdef _WIN32
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (input == INVALID_HANDLE_VALUE || !GetConsoleMode(input, &mode))
        return false;
    text.clear();
    wchar_t buffer[4096];
    for (;;) {
        DWORD read = 0;
        if (!ReadConsoleW(input, buffer, static_cast<DWORD>(std::size(buffer)), &read, nullptr) || read == 0)
            break;
        const std::wstring_view chunk(buffer, read);
        const size_t end = chunk.find(L'\x1A'); // Ctrl+Z ends the input
        text.append(chunk.begin(), end == std::wstring_view::npos ? chunk.end() : chunk.begin() + end);
        if (end != std::wstring_view::npos)
            break;
    }
    return true;
#else
    (void)text;
    return false;
#endif
}

} // namespace carbonym::cli
