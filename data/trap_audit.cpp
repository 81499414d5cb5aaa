#include "trap_audit.h"

#include "sample_report.h"
#include "text/case_fold.h"
#include "text/lines.h"
#include "text/utf8.h"
#include "translation/translate_command.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <unordered_set>

namespace carbonym {

namespace {

bool IsLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Folded terms grouped by length, for lookups at every position of a text.
class TermSet {
public:
    explicit TermSet(const std::vector<std::u16string>& terms)
    {
        for (const auto& term : terms)
            if (!term.empty())
                byLength_[term.size()].insert(FoldCase(term));
    }

    // The lengths of the terms that start at `pos` of the folded text.
    template <typename Visit>
    void ForEachAt(std::u16string_view text, size_t pos, Visit visit) const
    {
        for (const auto& [length, terms] : byLength_) {
            if (pos + length > text.size())
                break;
            if (terms.count(std::u16string(text.substr(pos, length))))
                visit(length);
        }
    }

private:
    std::map<size_t, std::unordered_set<std::u16string>> byLength_;
};

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

std::vector<Trap> FindTraps(const std::vector<std::u16string>& checked, const std::vector<Term>& dictionary,
                            const std::vector<std::u16string>& corpus)
{
    const TermSet checkedSet(checked);
    std::vector<std::u16string> all;
    for (const auto& term : dictionary)
        all.push_back(term.English);
    const TermSet allSet(all);

    struct Candidate {
        std::u16string Term, Word, Text;
    };
    std::vector<Candidate> candidates;
    std::set<std::pair<std::u16string, std::u16string>> seen;
    for (const auto& text : corpus) {
        const std::u16string folded = FoldCase(text);
        for (size_t pos = 0; pos < folded.size(); ++pos) {
            checkedSet.ForEachAt(folded, pos, [&](size_t length) {
                const size_t end = pos + length;
                const bool inside = (IsLetter(folded[pos]) && pos > 0 && IsLetter(folded[pos - 1]))
                                    || (IsLetter(folded[end - 1]) && end < folded.size() && IsLetter(folded[end]));
                if (!inside)
                    return;
                // A longer entry covering the occurrence takes it first.
                for (size_t start = 0; start <= pos; ++start) {
                    bool covered = false;
                    allSet.ForEachAt(folded, start, [&](size_t other) {
                        covered = covered || (other > length && start + other >= end);
                    });
                    if (covered)
                        return;
                }
                size_t wordStart = pos;
                while (wordStart > 0 && IsLetter(folded[wordStart - 1]))
                    --wordStart;
                size_t wordEnd = end;
                while (wordEnd < folded.size() && IsLetter(folded[wordEnd]))
                    ++wordEnd;
                Candidate candidate{folded.substr(pos, length), text.substr(wordStart, wordEnd - wordStart), text};
                if (seen.insert({candidate.Term, FoldCase(candidate.Word)}).second)
                    candidates.push_back(std::move(candidate));
            });
        }
    }

    // One translation for all candidate words.
    std::u16string words;
    for (const auto& candidate : candidates)
        words += candidate.Word + u"\r\n";
    const std::u16string translated = Translate(words, dictionary).Text;
    const auto lines = SplitLines(translated);
    std::vector<Trap> traps;
    for (size_t i = 0; i < candidates.size(); ++i) {
        if (i < lines.size() && !HasUntranslatedLatin(lines[i]))
            continue;
        traps.push_back(Trap{candidates[i].Term, candidates[i].Word,
                             i < lines.size() ? std::u16string(lines[i]) : std::u16string(), candidates[i].Text});
    }
    return traps;
}

std::vector<std::u16string> ReadFirstColumn(const std::filesystem::path& table)
{
    std::vector<std::u16string> texts;
    const std::string content = ReadFile(table);
    size_t begin = content.find('\n'); // past the header
    while (begin != std::string::npos && begin + 1 < content.size()) {
        const size_t end = content.find('\n', begin + 1);
        const std::string line = content.substr(begin + 1,
                                                end == std::string::npos ? std::string::npos : end - begin - 1);
        begin = end;
        if (line.empty() || line.front() == '#')
            continue;
        texts.push_back(Utf8ToUtf16(line.substr(0, line.find('\t'))));
    }
    return texts;
}

std::vector<std::u16string> ReadTokenWords(const std::filesystem::path& folder)
{
    std::vector<std::u16string> words;
    const std::regex token("<token[^>]*>([^<]*)</token>");
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".xml")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        const std::string content = ReadFile(file);
        for (std::sregex_iterator it(content.begin(), content.end(), token), last; it != last; ++it) {
            const std::string value = (*it)[1];
            size_t begin = 0;
            while (begin <= value.size()) {
                const size_t end = std::min(value.find('|', begin), value.size());
                if (end > begin)
                    words.push_back(Utf8ToUtf16(value.substr(begin, end - begin)));
                begin = end + 1;
            }
        }
    }
    return words;
}

} // namespace carbonym
