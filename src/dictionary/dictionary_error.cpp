#include "dictionary/dictionary_error.h"

#include <string>
#include <utility>

namespace carbonym {

namespace {

// A short English description for logs and test failures; what the user
// reads comes from the program's messages.
std::string Describe(DictionaryFault fault, const std::filesystem::path& path, int64_t detail)
{
    static constexpr const char* kNames[] = {
        "missing",
        "is a folder",
        "not a plain file",
        "cannot create",
        "cannot open",
        "cannot read",
        "record out of range",
        "cannot write",
        "unreadable link",
        "link loop",
        "lock unavailable",
        "lock file not a plain file",
        "lock timeout",
        "hard linked",
        "read-only",
        "cannot create work file",
        "disk full",
        "cannot keep owner",
        "cannot keep mode",
        "cannot replace",
        "cannot open folder",
        "cannot sync folder",
        "backup not a plain file",
        "backup damaged",
        "backup empty",
        "work file unwritable",
        "work file unreadable",
    };
    const auto u8 = path.u8string();
    return std::string(kNames[static_cast<size_t>(fault)]) + " (" + std::to_string(detail)
           + "): " + std::string(u8.begin(), u8.end());
}

} // namespace

DictionaryError::DictionaryError(DictionaryFault fault, std::filesystem::path path, int64_t detail)
    : std::runtime_error(Describe(fault, path, detail)), fault_(fault), path_(std::move(path)), detail_(detail)
{
}

DictionaryError& DictionaryError::WithProblem(DictionaryProblem problem)
{
    problem_ = std::move(problem);
    return *this;
}

DictionaryError& DictionaryError::WhileSaving(std::filesystem::path dictionary)
{
    saving_ = std::move(dictionary);
    return *this;
}

} // namespace carbonym
