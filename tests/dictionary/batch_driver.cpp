// batch_driver DICTIONARY ENGLISH CHINESE: the batch add as the data-entry
// window runs it, on two UTF-8 list files, for the tests that kill it
// midway. Prints the batch's message; a failure's message goes to standard
// error with exit status 2.

#include "dictionary/add_terms.h"
#include "text/utf8.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::vector<std::u16string> ReadList(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    return carbonym::SplitWorkFileLines(carbonym::Utf8ToUtf16(bytes));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: batch_driver DICTIONARY ENGLISH CHINESE\n");
        return 2;
    }
    try {
        const auto outcome = carbonym::AddBatch(argv[1], ReadList(argv[2]), ReadList(argv[3]));
        std::printf("%s\n", carbonym::BatchMessage(outcome).c_str());
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
}
