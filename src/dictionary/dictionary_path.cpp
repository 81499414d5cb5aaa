#include "dictionary/dictionary_path.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace carbonym {

std::filesystem::path ProgramDirectory()
{
#ifdef _WIN32
    wchar_t buffer[32768];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    return std::filesystem::path(std::wstring(buffer, length)).parent_path();
#else
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path();
    return exe.parent_path();
#endif
}

std::filesystem::path DictionaryPathIn(const std::filesystem::path& directory)
{
    return directory / "source.dat";
}

std::filesystem::path DictionaryPath()
{
    return DictionaryPathIn(ProgramDirectory());
}

} // namespace carbonym
