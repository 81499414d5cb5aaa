// A batch of 10,000 pairs into a dictionary of 30,000 records, and one add
// into the same dictionary, from reading the file to writing it back.

#include "dictionary/add_terms.h"
#include "dictionary/gbk_codec.h"
#include "dictionary/term_record.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace carbonym;

constexpr int kDictionaryRecords = 30'000;
constexpr int kBatchPairs = 10'000;

// Made-up terms of 3 to 40 letters; about one in ten of the batch's terms is
// stored already, so duplicates are counted too.
struct Data {
    std::filesystem::path directory;
    std::string dictionaryBytes;
    std::vector<std::u16string> english;
    std::vector<std::u16string> chinese;

    Data()
    {
        std::mt19937 random(20240501);
        auto word = [&random] {
            std::uniform_int_distribution<int> length(3, 40), letter('a', 'z');
            std::u16string text(static_cast<size_t>(length(random)), u'a');
            for (auto& c : text)
                c = static_cast<char16_t>(letter(random));
            return text;
        };
        std::vector<std::u16string> stored(kDictionaryRecords);
        std::generate(stored.begin(), stored.end(), word);
        std::stable_sort(stored.begin(), stored.end(),
                         [](const auto& a, const auto& b) { return a.size() > b.size(); });
        GbkCodec codec;
        for (const auto& term : stored) {
            const auto bytes = EncodeRecord(MakeRecord(term, u"甲基苯"), codec);
            dictionaryBytes.append(bytes.data(), bytes.size());
        }
        for (int i = 0; i < kBatchPairs; ++i) {
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

const Data& TheData()
{
    static const Data data;
    return data;
}

void BatchInto30000(benchmark::State& state)
{
    const Data& data = TheData();
    for (auto _ : state) {
        state.PauseTiming();
        const auto path = data.FreshDictionary();
        state.ResumeTiming();
        const BatchOutcome outcome = AddBatch(path, data.english, data.chinese);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations() * kBatchPairs);
}
BENCHMARK(BatchInto30000)->Unit(benchmark::kMillisecond);

void OneAddInto30000(benchmark::State& state)
{
    const Data& data = TheData();
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
