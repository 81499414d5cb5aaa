#include "translation/fast_translator.h"

#include "text/case_fold.h"
#include "translation/term_automaton.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>

// Why this gives the literal result exactly. Records are numbered in file
// order; the literal command applies each in turn to the text that the ones
// before it left, and all comparisons are between case-folded units.
//
// 1. One record in one pass. After an insertion the literal search resumes
//    right of it, where the text is the old text right of the replaced
//    occurrence. So copying the text up to each next occurrence found in the
//    old text, inserting, and skipping the term gives the same text, with the
//    same insertions in the same order (ApplyRecord).
//
// 2. Only records that occur. A record that does not occur at its turn
//    changes nothing. A min-queue holds every record q > r that occurs in the
//    current text, where r is the record applied last (at the start: every
//    record that the automaton finds). Pop the least, apply it (a no-op if it
//    no longer occurs). Afterwards an occurrence of a term of length L either
//    lies inside a stretch the application left alone, so it occurred before
//    and its record is queued already, or it overlaps an insertion [s, e) or,
//    for an empty insertion, straddles s: then it lies within
//    [s - L + 1, e + L - 1). Scanning these windows with L the longest term
//    of the records above r, and queueing every record above r found there,
//    keeps the queue complete.
//
// 3. Lines apart. When no folded term holds CR or LF, no occurrence covers
//    a CR or LF of the text (only CR folds to CR, only LF to LF), so no
//    replacement removes one: the CR and LF units of the text stay between
//    the pieces around them, whatever the pieces become (a Chinese term may
//    bring its own line breaks into a piece), and every occurrence lies
//    within one piece. The left-to-right pass over the text is a pass over
//    each piece in turn: each piece evolves on its own, and equal pieces
//    evolve alike. The last insertion in time is made by the
//    highest record that replaced anything, at its rightmost occurrence, in
//    the last piece where that record replaced anything; nothing changes
//    after it, so the caret is that piece's final start plus the end of its
//    last insertion there.
//
// 4. Terms with line breaks. A record whose term holds CR or LF is applied
//    alone to the whole text as in 1; the runs of records between such
//    records are applied as in 3, each to the text the step before it left.
//    The caret comes from the last step that replaced anything.

namespace carbonym {

namespace {

constexpr uint32_t kNone = UINT32_MAX;

// Pieces of this many units and more are worth a second thread.
constexpr size_t kParallelUnits = 1 << 16;
constexpr size_t kPiecesPerTask = 256;

bool IsBreak(char16_t unit)
{
    return unit == u'\r' || unit == u'\n';
}

// The folded English terms one after another in one buffer, so that trying
// a queued record touches little memory.
struct TermPool {
    std::u16string Units;
    std::vector<size_t> Start; // term r is Units[Start[r], Start[r + 1])

    std::u16string_view operator[](size_t r) const
    {
        return std::u16string_view(Units).substr(Start[r], Start[r + 1] - Start[r]);
    }
};

TermPool FoldEnglish(const std::vector<Term>& terms)
{
    TermPool pool;
    pool.Start.reserve(terms.size() + 1);
    pool.Start.push_back(0);
    for (const auto& term : terms) {
        pool.Units += FoldCase(term.English);
        pool.Start.push_back(pool.Units.size());
    }
    return pool;
}

// A Chinese term and its case folding.
struct Replacement {
    std::u16string Text;
    std::u16string Folded;
};

std::vector<Replacement> FoldChinese(const std::vector<Term>& terms)
{
    std::vector<Replacement> chinese;
    chinese.reserve(terms.size());
    for (const auto& term : terms)
        chinese.push_back(Replacement{term.Chinese, FoldCase(term.Chinese)});
    return chinese;
}

std::vector<std::u16string_view> Views(const TermPool& pool)
{
    std::vector<std::u16string_view> views;
    views.reserve(pool.Start.size() - 1);
    for (size_t r = 0; r + 1 < pool.Start.size(); ++r)
        views.push_back(pool[r]);
    return views;
}

std::vector<size_t> LongestTerms(const TermPool& pool)
{
    std::vector<size_t> longest(pool.Start.size(), 0);
    for (size_t r = pool.Start.size() - 1; r-- > 0;)
        longest[r] = std::max(longest[r + 1], pool[r].size());
    return longest;
}

struct Dictionary {
    explicit Dictionary(const std::vector<Term>& terms)
        : English(FoldEnglish(terms)), Chinese(FoldChinese(terms)), LongestFrom(LongestTerms(English)),
          Automaton(Views(English))
    {
    }

    bool HoldsBreak(size_t r) const
    {
        const auto term = English[r];
        return std::any_of(term.begin(), term.end(), IsBreak);
    }

    TermPool English;
    std::vector<Replacement> Chinese;
    std::vector<size_t> LongestFrom; // [r]: the longest term of records r and after
    TermAutomaton Automaton;
};

// A text and its case folding, kept in step.
struct FoldedText {
    std::u16string Text;
    std::u16string Folded;
};

struct Insertion {
    size_t Begin;
    size_t End;
};

// Applies one record, its folded English `term` and its `chinese`, to `text`
// as the literal command does, into `out`, and lists the insertions by their
// places in `out`. False, and `out` untouched, when the term does not occur.
// An empty term does nothing.
bool ApplyRecord(std::u16string_view text, std::u16string_view folded, std::u16string_view term,
                 const Replacement& chinese, FoldedText& out, std::vector<Insertion>& insertions)
{
    size_t found = term.empty() ? std::u16string_view::npos : folded.find(term);
    if (found == std::u16string_view::npos)
        return false;
    out.Text.clear();
    out.Folded.clear();
    insertions.clear();
    size_t position = 0;
    do {
        out.Text.append(text.substr(position, found - position));
        out.Folded.append(folded.substr(position, found - position));
        const size_t begin = out.Text.size();
        out.Text += chinese.Text;
        out.Folded += chinese.Folded;
        insertions.push_back(Insertion{begin, out.Text.size()});
        position = found + term.size();
        found = folded.find(term, position);
    } while (found != std::u16string_view::npos);
    out.Text.append(text.substr(position));
    out.Folded.append(folded.substr(position));
    return true;
}

// The outcome of one piece: its final text when a record replaced anything.
struct PieceResult {
    std::u16string Text;
    uint32_t LastRecord = kNone;
    size_t Caret = 0; // end of the last insertion, within Text
};

// Translates pieces by the records [first, end), with the queue of 2 above.
// One per thread: it keeps its buffers from piece to piece.
class PieceTranslator {
public:
    PieceTranslator(const Dictionary& dictionary, uint32_t first, uint32_t end)
        : dictionary_(dictionary), first_(first), end_(end), queued_(dictionary.Chinese.size(), 0)
    {
    }

    PieceResult Translate(std::u16string_view piece)
    {
        if (++mark_ == 0) {
            std::fill(queued_.begin(), queued_.end(), 0);
            mark_ = 1;
        }
        current_.Text.assign(piece);
        current_.Folded.resize(piece.size());
        std::transform(piece.begin(), piece.end(), current_.Folded.begin(), FoldUnit);
        std::u16string_view text = current_.Text;
        std::u16string_view folded = current_.Folded;
        queue_.clear();
        Enqueue(folded, first_);

        PieceResult result;
        while (!queue_.empty()) {
            std::pop_heap(queue_.begin(), queue_.end(), std::greater<>());
            const uint32_t r = queue_.back();
            queue_.pop_back();
            if (!ApplyRecord(text, folded, dictionary_.English[r], dictionary_.Chinese[r], next_, insertions_))
                continue;
            std::swap(current_, next_);
            text = current_.Text;
            folded = current_.Folded;
            result.LastRecord = r;
            result.Caret = insertions_.back().End;

            // Scan the windows around the insertions, merged where they meet,
            // as wide as the longest term still to come.
            const size_t longest = dictionary_.LongestFrom[r + 1];
            if (longest == 0)
                continue;
            const size_t reach = longest - 1;
            size_t windowBegin = 0;
            size_t windowEnd = 0;
            for (const auto& insertion : insertions_) {
                const size_t begin = insertion.Begin > reach ? insertion.Begin - reach : 0;
                if (begin > windowEnd) {
                    Enqueue(folded.substr(windowBegin, windowEnd - windowBegin), r + 1);
                    windowBegin = begin;
                }
                windowEnd = std::max(windowEnd, std::min(insertion.End + reach, folded.size()));
            }
            Enqueue(folded.substr(windowBegin, windowEnd - windowBegin), r + 1);
        }
        if (result.LastRecord != kNone)
            result.Text.assign(text);
        return result;
    }

private:
    void Enqueue(std::u16string_view folded, uint32_t floor)
    {
        dictionary_.Automaton.Scan(folded, [&](uint32_t q) {
            if (q < floor || q >= end_ || queued_[q] == mark_)
                return;
            queued_[q] = mark_;
            queue_.push_back(q);
            std::push_heap(queue_.begin(), queue_.end(), std::greater<>());
        });
    }

    const Dictionary& dictionary_;
    const uint32_t first_;
    const uint32_t end_;
    std::vector<uint32_t> queued_; // == mark_: queued for the current piece
    uint32_t mark_ = 0;
    std::vector<uint32_t> queue_; // min-heap of record indexes
    FoldedText current_;
    FoldedText next_;
    std::vector<Insertion> insertions_;
};

// Runs work(translator, i) for i in [0, count) on up to every core, each
// thread with its own translator. The first exception is rethrown.
void ForEachPiece(size_t count, bool parallel, const Dictionary& dictionary, uint32_t first, uint32_t end,
                  const std::function<void(PieceTranslator&, size_t)>& work)
{
    std::atomic<size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureMutex;
    const auto worker = [&] {
        try {
            PieceTranslator translator(dictionary, first, end);
            for (;;) {
                const size_t begin = next.fetch_add(kPiecesPerTask);
                if (begin >= count)
                    return;
                for (size_t i = begin; i < std::min(begin + kPiecesPerTask, count); ++i)
                    work(translator, i);
            }
        } catch (...) {
            const std::lock_guard lock(failureMutex);
            if (!failure)
                failure = std::current_exception();
            next = count; // the others stop too
        }
    };

    const size_t threads = parallel ? std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 8) : 1;
    std::vector<std::thread> helpers;
    helpers.reserve(threads); // nothing but a thread's start can fail below
    for (size_t t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(worker);
        } catch (const std::system_error&) {
            break; // fewer threads do the same work
        }
    }
    worker();
    for (auto& helper : helpers)
        helper.join();
    if (failure)
        std::rethrow_exception(failure);
}

// The pieces of a text between its line-break units, each with the number
// of the first piece that has the same text.
class Pieces {
public:
    struct Piece {
        size_t Begin;
        size_t End;
        uint32_t Distinct; // index into Distinct()
    };

    explicit Pieces(std::u16string_view text)
    {
        // An open-addressing table of the distinct pieces, at most half full.
        const auto breaks = static_cast<size_t>(std::count_if(text.begin(), text.end(), IsBreak));
        size_t capacity = 16;
        while (capacity < 2 * breaks + 2)
            capacity *= 2;
        std::vector<uint32_t> slots(capacity, kNone);
        pieces_.reserve(breaks + 1);
        const std::hash<std::u16string_view> hash;
        for (size_t i = 0; i < text.size();) {
            if (IsBreak(text[i])) {
                ++i;
                continue;
            }
            size_t j = i;
            while (j < text.size() && !IsBreak(text[j]))
                ++j;
            const auto piece = text.substr(i, j - i);
            size_t slot = hash(piece) & (capacity - 1);
            while (slots[slot] != kNone && Text(text, distinct_[slots[slot]]) != piece)
                slot = (slot + 1) & (capacity - 1);
            if (slots[slot] == kNone) {
                slots[slot] = static_cast<uint32_t>(distinct_.size());
                distinct_.push_back(pieces_.size());
                distinctUnits_ += piece.size();
            }
            pieces_.push_back(Piece{i, j, slots[slot]});
            i = j;
        }
    }

    const std::vector<Piece>& All() const { return pieces_; }
    // For each distinct text, the index of the first piece that has it.
    const std::vector<size_t>& Distinct() const { return distinct_; }
    size_t DistinctUnits() const { return distinctUnits_; }

private:
    std::u16string_view Text(std::u16string_view text, size_t piece) const
    {
        return text.substr(pieces_[piece].Begin, pieces_[piece].End - pieces_[piece].Begin);
    }

    std::vector<Piece> pieces_;
    std::vector<size_t> distinct_;
    size_t distinctUnits_ = 0;
};

struct StepResult {
    std::u16string Text;
    bool Replaced = false;
    size_t Caret = 0;
};

// The records [first, end), none of whose terms holds a line break, applied
// piece by piece (3 above).
StepResult ApplyRun(std::u16string_view text, const Dictionary& dictionary, uint32_t first, uint32_t end)
{
    const Pieces pieces(text);
    const auto& distinct = pieces.Distinct();
    std::vector<PieceResult> results(distinct.size());
    ForEachPiece(distinct.size(), pieces.DistinctUnits() >= kParallelUnits, dictionary, first, end,
                 [&](PieceTranslator& translator, size_t u) {
                     const auto& piece = pieces.All()[distinct[u]];
                     results[u] = translator.Translate(text.substr(piece.Begin, piece.End - piece.Begin));
                 });

    StepResult step;
    size_t finalSize = text.size();
    for (const auto& piece : pieces.All()) {
        const auto& result = results[piece.Distinct];
        if (result.LastRecord != kNone)
            finalSize = finalSize - (piece.End - piece.Begin) + result.Text.size();
    }
    step.Text.reserve(finalSize);
    uint32_t lastRecord = 0;
    size_t copied = 0;
    for (const auto& piece : pieces.All()) {
        const auto& result = results[piece.Distinct];
        if (result.LastRecord == kNone)
            continue;
        step.Text.append(text.substr(copied, piece.Begin - copied));
        if (!step.Replaced || result.LastRecord >= lastRecord) {
            step.Replaced = true;
            lastRecord = result.LastRecord;
            step.Caret = step.Text.size() + result.Caret;
        }
        step.Text.append(result.Text);
        copied = piece.End;
    }
    step.Text.append(text.substr(copied));
    return step;
}

} // namespace

Translation TranslateFast(std::u16string_view source, const std::vector<Term>& terms)
{
    if (terms.size() >= kNone)
        throw DictionaryTooLarge();
    const Dictionary dictionary(terms);
    const auto count = static_cast<uint32_t>(terms.size());

    // The text as the last step left it: the source until a step has run.
    Translation translation;
    std::u16string_view text = source;
    bool stepped = false;
    uint32_t first = 0;
    while (first < count) {
        if (dictionary.HoldsBreak(first)) {
            FoldedText out;
            std::vector<Insertion> insertions;
            if (ApplyRecord(text, FoldCase(text), dictionary.English[first], dictionary.Chinese[first], out,
                            insertions)) {
                translation.Text = std::move(out.Text);
                translation.Caret = insertions.back().End;
                text = translation.Text;
                stepped = true;
            }
            ++first;
            continue;
        }
        uint32_t end = first;
        while (end < count && !dictionary.HoldsBreak(end))
            ++end;
        StepResult step = ApplyRun(text, dictionary, first, end);
        translation.Text = std::move(step.Text);
        text = translation.Text;
        stepped = true;
        if (step.Replaced)
            translation.Caret = step.Caret;
        first = end;
    }
    if (!stepped)
        translation.Text.assign(source);
    return translation;
}

} // namespace carbonym
