// Batches of 10,000 and 100,000 pairs into dictionaries of 30,000 to 200,000
// records, and one add into 30,000 records, from reading the file to writing
// it back (with its backup). The batch is one sort and one merge into the
// file, in longest-first order or not (as a batch into an empty dictionary
// leaves it), so its time grows with the pairs plus the records: ten times
// the pairs into the same file take about ten times as long, not a hundred.

#include "dictionary/add_terms.h"
#include "dictionary/gbk_codec.h"
#include "dictionary/term_record.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace carbonym;

// Made-up terms of 3 to 40 letters; about one in ten of the batch's terms is
// stored already, so duplicates are counted too.
struct Data {
    std::filesystem::path directory;
    std::string dictionaryBytes;
    std::vector<std::u16string> english;
    std::vector<std::u16string> chinese;

    Data(int records, int pairs, bool ordered)
    {
        std::mt19937 random(20240501);
        auto word = [&random] {
            std::uniform_int_distribution<int> length(3, 40), letter('a', 'z');
            std::u16string text(static_cast<size_t>(length(random)), u'a');
            for (auto& c : text)
                c = static_cast<char16_t>(letter(random));
            return text;
        };
        std::vector<std::u16string> stored(static_cast<size_t>(records));
        std::generate(stored.begin(), stored.end(), word);
        if (ordered)
            std::stable_sort(stored.begin(), stored.end(),
                             [](const auto& a, const auto& b) { return a.size() > b.size(); });
        GbkCodec codec;
        for (const auto& term : stored) {
            const auto bytes = EncodeRecord(MakeRecord(term, u"甲基苯"), codec);
            dictionaryBytes.append(bytes.data(), bytes.size());
        }
        for (int i = 0; i < pairs; ++i) {
            english.push_back(i % 10 == 0 ? stored[random() % stored.size()] : word());
            chinese.push_back(u"乙基");
        }
        directory = std::filesystem::temp_directory_path() / ("carbonym-bench-" + std::to_string(random()));
        std::filesystem::create_directories(directory);
    }
    ~Data() { std::filesystem::remove_all(directory); }

    std::filesystem::path FreshDictionary() const
    {
        const auto path = directory / "source.dat";
        std::ofstream(path, std::ios::binary | std::ios::trunc) << dictionaryBytes;
        return path;
    }
};

const Data& TheData(int records, int pairs, bool ordered = true)
{
    static std::map<std::tuple<int, int, bool>, std::unique_ptr<Data>> made;
    auto& data = made[{records, pairs, ordered}];
    if (!data)
        data = std::make_unique<Data>(records, pairs, ordered);
    return *data;
}

void BatchAdd(benchmark::State& state)
{
    const auto records = static_cast<int>(state.range(0));
    const auto pairs = static_cast<int>(state.range(1));
    const Data& data = TheData(records, pairs, state.range(2) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        const auto path = data.FreshDictionary();
        state.ResumeTiming();
        const BatchOutcome outcome = AddBatch(path, data.english, data.chinese);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations() * pairs);
}
BENCHMARK(BatchAdd)
    ->ArgNames({"records", "pairs", "ordered"})
    ->Args({30'000, 10'000, 1})
    ->Args({30'000, 100'000, 1})
    ->Args({30'000, 10'000, 0})
    ->Args({30'000, 100'000, 0})
    ->Args({100'000, 10'000, 1})
    ->Args({100'000, 100'000, 1})
    ->Args({200'000, 100'000, 1})
    ->Unit(benchmark::kMillisecond);

void OneAddInto30000(benchmark::State& state)
{
    const Data& data = TheData(30'000, 10'000);
    for (auto _ : state) {
        state.PauseTiming();
        const auto path = data.FreshDictionary();
        state.ResumeTiming();
        benchmark::DoNotOptimize(AddTerm(path, u"ethyl methyl ketone", u"甲乙酮"));
    }
}
BENCHMARK(OneAddInto30000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
