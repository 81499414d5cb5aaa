// The README's table of exit statuses is true: every example command of a
// row, run against the small dictionary the README names, exits with that
// row's status.

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>

namespace carbonym {
namespace {

using test::Quote;

struct Example {
    int status = 0;
    std::string command;
};

std::vector<Example> ExamplesOfTheReadme()
{
    std::ifstream in(CARBONYM_README);
    std::vector<Example> examples;
    const std::regex row(R"(^\| ([0-9]) \| .* \| (.*) \|$)");
    const std::regex code("`([^`]+)`");
    for (std::string line; std::getline(in, line);) {
        std::smatch match;
        if (!std::regex_match(line, match, row))
            continue;
        const int status = std::stoi(match[1]);
        const std::string cell = match[2];
        for (auto it = std::sregex_iterator(cell.begin(), cell.end(), code); it != std::sregex_iterator(); ++it)
            examples.push_back({status, (*it)[1]});
    }
    return examples;
}

TEST(ReadmeExitStatus, EveryExampleExitsAsTheTableSays)
{
    const auto examples = ExamplesOfTheReadme();
    std::set<int> statuses;
    for (const auto& example : examples)
        statuses.insert(example.status);
    ASSERT_EQ(statuses, (std::set<int>{0, 1, 2})) << "the README has no table of exit statuses";

    std::string program;
    for (const auto& word : test::CliCommand())
        program += Quote(word) + " ";
    for (const auto& [status, command] : examples) {
        test::TempDir dir;
        test::WriteDictionaryFile(dir / "source.dat", {{"methyl", "甲基"}, {"ethyl", "乙基"}});
        test::WriteBytes(dir / "names.txt", "methyl\nethyl\n");
        test::WriteBytes(dir / "empty.txt", "");
        const std::string dictionary = command.find("--dict") == std::string::npos ? " --dict source.dat" : "";
        const std::string line = "cd " + Quote(dir.Path().string()) + " && " + program + command + dictionary
                                 + " < /dev/null > out.txt 2> err.txt";
        const int raw = std::system(line.c_str());
        EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == status)
            << command << ": exit " << (WIFEXITED(raw) ? WEXITSTATUS(raw) : -1) << ", README says " << status
            << "\n" << test::ReadBytes(dir / "err.txt");
    }
}

} // namespace
} // namespace carbonym
