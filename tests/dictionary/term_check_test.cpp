// One table of pairs offered to a dictionary: what the add commands and set
// refuse at the door is exactly what the check of a dictionary reports when
// the same pair got into the file some other way. (Each door first cuts at
// its own separator, a line break in a single add, a tab in a list line; the
// table's texts hold neither where that would change them.)

#include "dictionary/add_terms.h"
#include "dictionary/dictionary_check.h"
#include "dictionary/gbk_codec.h"
#include "dictionary/record_edits.h"
#include "dictionary/term_check.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <optional>

namespace carbonym {
namespace {

using test::U;

struct TermCase {
    const char* name;
    std::string english;
    std::string chinese;
    std::optional<ProblemKind> problem; // what the check reports; the door refuses exactly these
    bool inChinese = false; // the fault lies in the Chinese, so that a set refuses it too
};

void PrintTo(const TermCase& c, std::ostream* out)
{
    *out << c.name;
}

const std::string kLong = std::string(64, 'b') + "x"; // stored cut to its 64 bytes

std::vector<TermCase> Cases()
{
    using K = ProblemKind;
    return {
        {"fit", "propyl", "丙基", std::nullopt},
        {"fit beside a longer term", std::string(63, 'b'), "长", std::nullopt},
        {"English of spaces", "   ", "空", K::BlankEnglish},
        {"English that is a tab", "\t", "制表", K::ControlCharacter},
        {"NUL inside the English", std::string("a\0b", 3), "x", K::ControlCharacter},
        {"other control character",
         "a\x1b"
         "b",
         "x", K::ControlCharacter},
        {"Chinese of spaces", "butyl", "  ", K::BlankChinese, true},
        {"control character in the Chinese", "butyl", "丁\x1f基", K::ControlCharacter, true},
        {"NUL in the Chinese", "butyl", std::string("丁\0", 4), K::ControlCharacter, true},
        {"stored, spaces aside", " ethyl ", "别的", K::Repeated},
        {"stored but for letter case", "Ethyl", "乙基", K::CaseRepeated},
        {"the same once cut to 64 bytes", std::string(64, 'b') + "y", "长", K::Repeated},
        {"the same once cut, but for case", std::string(64, 'B') + "z", "长", K::CaseRepeated},
    };
}

class TermCheckTest : public ::testing::TestWithParam<TermCase> {
protected:
    void SetUp() override
    {
        test::WriteDictionaryFile(path(), {{kLong, "长"}, {"ethyl", "乙基"}});
        before = test::ReadBytes(path());
    }
    std::filesystem::path path() const { return dir / "source.dat"; }

    test::TempDir dir;
    std::string before;
};

TEST_P(TermCheckTest, TheDoorRefusesWhatTheCheckReports)
{
    const TermCase& c = GetParam();
    const auto english = U(c.english);
    const auto chinese = U(c.chinese);

    // The check, on the pair stored behind the door's back.
    GbkCodec codec;
    const auto record = EncodeRecord(MakeRecord(english, chinese), codec);
    test::WriteBytes(dir / "behind.dat", before + std::string(record.data(), record.size()));
    std::optional<ProblemKind> reported;
    for (const auto& problem : CheckDictionary(dir / "behind.dat").Problems) {
        ASSERT_EQ(problem.Record, 3) << Utf16ToUtf8(english); // the stored two are fine
        if (problem.Kind != ProblemKind::OutOfOrder)
            reported = problem.Kind;
    }
    EXPECT_EQ(reported, c.problem);

    // The door: a single add, a batch of one pair, and a set where the
    // Chinese is at fault, each refused exactly when the check reports.
    const bool refused = c.problem.has_value();
    EXPECT_EQ(AddTerm(path(), english, chinese).Status != AddStatus::Inserted, refused);
    EXPECT_EQ(test::ReadBytes(path()) == before, refused);
    test::WriteBytes(path(), before);
    const auto batch = AddBatch(path(), {english}, {chinese});
    EXPECT_EQ(batch.Added == 0, refused);
    EXPECT_EQ(batch.Status == BatchOutcome::Status::LineRefused || batch.DuplicateCount == 1, refused);
    if (refused) {
        EXPECT_EQ(test::ReadBytes(path()), before);
    } else {
        test::WriteBytes(path(), before);
    }
    const auto set = SetChinese(path(), u"ethyl", chinese);
    EXPECT_EQ(set.Status == EditStatus::Refused, c.inChinese);
    if (c.inChinese) {
        EXPECT_EQ(test::ReadBytes(path()), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Pairs, TermCheckTest, ::testing::ValuesIn(Cases()), [](const auto& info) {
    std::string name;
    for (const char c : std::string(info.param.name))
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

} // namespace
} // namespace carbonym
