// The translate command on generated dictionaries and CAS-style name lists:
// the program's engine against the literal algorithm (in this process), and
// carbonym-cli against GNU sed running one s/term/translation/gI command per
// record in file order (whole process against whole process).
//
//     translate_bench [--all]
//
// By default the sizes 1,000 terms x 1,000 names, 5,000 x 10,000 and
// 30,000 x 100,000; --all runs every pair. A literal run estimated to take
// more than a minute, or a sed run more than three, is skipped and its
// estimate shown.

#include "bench_data.h"
#include "run_process.h"

#include "dictionary/dictionary_file.h"
#include "text/utf8.h"
#include "translation/literal_translator.h"
#include "translation/translate_command.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <thread>
#include <unistd.h>

namespace carbonym::bench {

namespace {

constexpr uint64_t kSeed = 1;
constexpr double kLiteralBudget = 60; // seconds
constexpr double kSedBudget = 180;

struct Size {
    size_t Terms;
    size_t Names;
};

double Seconds(const std::function<void()>& run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// CPU time of this process, every thread.
double CpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// One sed command per record, in file order: the term as a basic regular
// expression, matched without regard to case, every occurrence.
std::string SedScript(const std::vector<Term>& terms)
{
    std::string script;
    for (const auto& term : terms) {
        script += "s/";
        for (const char c : Utf16ToUtf8(term.English)) {
            if (std::string_view("\\/.*[^$").find(c) != std::string_view::npos)
                script += '\\';
            script += c;
        }
        script += '/';
        for (const char c : Utf16ToUtf8(term.Chinese)) {
            if (c == '\\' || c == '/' || c == '&')
                script += '\\';
            script += c;
        }
        script += "/gI\n";
    }
    return script;
}

struct LiteralEstimate {
    double Seconds = 0;
    size_t Sample = 0; // names in the larger sample
    bool Agrees = false; // the engine's result on the sample is the literal one
};

// The literal algorithm's time on the first n lines, from runs on k and 4k
// lines: each record scans the text once (linear in the lines) and each
// replacement copies it (quadratic).
LiteralEstimate EstimateLiteral(const std::vector<std::u16string>& names, size_t n, const std::vector<Term>& terms)
{
    const size_t sample = std::clamp<size_t>(4'000'000 / std::max<size_t>(terms.size(), 1), 20, n / 4);
    const auto small = JoinLines(names, sample, u"\r\n");
    const auto large = JoinLines(names, sample * 4, u"\r\n");
    Translation literal;
    const double t1 = Seconds([&] { literal = TranslateLiteral(small, terms); });
    const double t4 = Seconds([&] { literal = TranslateLiteral(large, terms); });
    const double k = static_cast<double>(sample);
    double quadratic = std::max(0.0, (t4 - 4 * t1) / (12 * k * k));
    double linear = (t1 - quadratic * k * k) / k;
    if (linear < 0) {
        linear = t4 / (4 * k);
        quadratic = 0;
    }
    const double x = static_cast<double>(n);
    return LiteralEstimate{linear * x + quadratic * x * x, sample * 4, Translate(large, terms) == literal};
}

std::string Cell(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, seconds < 10 ? "%.1f" : "%.0f", seconds * 1000);
    return text;
}

std::string Cell(double seconds, double cpuSeconds)
{
    return Cell(seconds) + " (" + Cell(cpuSeconds) + ")";
}

// A skipped run's estimate, in a unit that reads easily.
std::string Skipped(double seconds)
{
    char text[48];
    if (seconds < 120)
        std::snprintf(text, sizeof text, "~%.0f s skipped", seconds);
    else if (seconds < 7200)
        std::snprintf(text, sizeof text, "~%.0f min skipped", seconds / 60);
    else
        std::snprintf(text, sizeof text, "~%.0f h skipped", seconds / 3600);
    return text;
}

std::string Ratio(double slow, double fast)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.0fx", slow / fast);
    return text;
}

struct Row {
    std::string Fast, Literal, LiteralRatio, Cli, CliPeak, Sed, SedRatio, SedPeak, Same;
};

Row Measure(const Size& size, const std::vector<std::u16string>& names, const std::filesystem::path& dir)
{
    Row row;
    const auto dictionaryPath = dir / "source.dat";
    WriteDictionary(dictionaryPath, MakeDictionary(size.Terms, kSeed));
    const auto terms = PrepareTerms(ReadDictionary(dictionaryPath));
    const auto text = JoinLines(names, size.Names, u"\r\n");

    // The engine the program uses, best of three.
    Translation fast;
    double fastSeconds = 1e9;
    double fastCpu = 1e9;
    for (int i = 0; i < 3; ++i) {
        const double cpu = CpuSeconds();
        fastSeconds = std::min(fastSeconds, Seconds([&] { fast = Translate(text, terms); }));
        fastCpu = std::min(fastCpu, CpuSeconds() - cpu);
    }
    row.Fast = Cell(fastSeconds, fastCpu);

    std::vector<std::string> same;
    const auto estimate = EstimateLiteral(names, size.Names, terms);
    if (estimate.Seconds < kLiteralBudget) {
        Translation literal;
        const double literalSeconds = Seconds([&] { literal = TranslateLiteral(text, terms); });
        row.Literal = Cell(literalSeconds);
        row.LiteralRatio = Ratio(literalSeconds, fastSeconds);
        same.push_back(literal == fast ? "literal" : "LITERAL DIFFERS");
    } else {
        row.Literal = Skipped(estimate.Seconds);
        row.LiteralRatio = "~" + Ratio(estimate.Seconds, fastSeconds);
        same.push_back(estimate.Agrees ? "literal on first " + std::to_string(estimate.Sample)
                                       : "LITERAL DIFFERS on first " + std::to_string(estimate.Sample));
    }

    // Whole processes on the same files: the text as UTF-8 lines.
    const auto textPath = dir / "names.txt";
    const auto scriptPath = dir / "dictionary.sed";
    WriteFile(textPath, Utf16ToUtf8(JoinLines(names, size.Names, u"\n")));
    WriteFile(scriptPath, SedScript(terms));
    const auto runCli = [&](const std::filesystem::path& input) {
        return RunProcess({CARBONYM_CLI, "translate", "--dict", dictionaryPath.string(), input.string()},
                          dir / "cli.out");
    };
    const auto runSed = [&](const std::filesystem::path& input) {
        return RunProcess({"sed", "-f", scriptPath.string(), input.string()}, dir / "sed.out", {"LC_ALL=C"});
    };
    ProcessRun cli{1e9, 1e9, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const auto run = runCli(textPath);
        if (run.Status != 0)
            throw std::runtime_error("carbonym-cli failed");
        cli.Seconds = std::min(cli.Seconds, run.Seconds);
        cli.CpuSeconds = std::min(cli.CpuSeconds, run.CpuSeconds);
        cli.PeakMegabytes = std::max(cli.PeakMegabytes, run.PeakMegabytes);
    }
    row.Cli = Cell(cli.Seconds, cli.CpuSeconds);
    row.CliPeak = std::to_string(static_cast<int>(cli.PeakMegabytes + 0.5));

    // sed's time grows with lines times commands: estimate from a sample.
    const size_t sample = std::min(size.Names, std::max<size_t>(20, 2'000'000 / size.Terms));
    const auto samplePath = dir / "sample.txt";
    WriteFile(samplePath, Utf16ToUtf8(JoinLines(names, sample, u"\n")));
    const auto sampleRun = runSed(samplePath);
    const double sedEstimate = sampleRun.Seconds * static_cast<double>(size.Names) / static_cast<double>(sample);
    if (sedEstimate < kSedBudget) {
        const auto sed = sample == size.Names ? sampleRun : runSed(textPath);
        row.Sed = Cell(sed.Seconds, sed.CpuSeconds);
        row.SedRatio = Ratio(sed.Seconds, cli.Seconds);
        row.SedPeak = std::to_string(static_cast<int>(sed.PeakMegabytes + 0.5));
        same.push_back(ReadFile(dir / "sed.out") == ReadFile(dir / "cli.out") ? "sed" : "SED DIFFERS");
    } else {
        row.Sed = Skipped(sedEstimate);
        row.SedRatio = "~" + Ratio(sedEstimate, cli.Seconds);
        row.SedPeak = "-";
        runCli(samplePath);
        same.push_back(ReadFile(dir / "sed.out") == ReadFile(dir / "cli.out")
                           ? "sed on first " + std::to_string(sample)
                           : "SED DIFFERS on first " + std::to_string(sample));
    }
    for (const auto& name : same)
        row.Same += (row.Same.empty() ? "" : ", ") + name;
    return row;
}

} // namespace

} // namespace carbonym::bench

int main(int argc, char** argv)
{
    using namespace carbonym::bench;
    const bool all = argc > 1 && std::string_view(argv[1]) == "--all";
    std::vector<Size> sizes;
    for (const size_t terms : {1'000, 5'000, 30'000}) {
        for (const size_t names : {1'000, 10'000, 100'000}) {
            if (all || (terms == 1'000 && names == 1'000) || (terms == 5'000 && names == 10'000)
                || (terms == 30'000 && names == 100'000))
                sizes.push_back(Size{terms, names});
        }
    }

    const auto names = MakeNames(100'000, kSeed);
    const auto dir = std::filesystem::temp_directory_path() / ("carbonym-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);

    std::printf("Times in ms, wall (CPU of every thread). engine: best of 3 in this process; cli: best of 3\n");
    std::printf("runs of carbonym-cli translate --dict D FILE, the whole process.\n");
    std::printf("sed: GNU sed -f script, LC_ALL=C, one s/term/translation/gI per record in file order.\n");
    std::printf("same: \"literal\" when the literal engine's text and caret equal the engine's, \"sed\" when\n"
                "sed's output file equals carbonym-cli's (on the first names only where the full run is\n"
                "skipped). MB: peak resident memory. %u hardware threads.\n\n",
                std::thread::hardware_concurrency());
    std::printf("%6s %7s %7s %7s | %15s %16s %9s | %15s %6s | %17s %8s %6s | %s\n", "terms", "names", "dict KB",
                "text KB", "engine", "literal", "lit/eng", "cli", "cli MB", "sed", "sed/cli", "sed MB", "same");
    int status = 0;
    try {
        for (const auto& size : sizes) {
            size_t bytes = 0;
            for (size_t i = 0; i < size.Names; ++i)
                bytes += carbonym::Utf16ToUtf8(names[i]).size() + 1;
            const Row row = Measure(size, names, dir);
            std::printf("%6zu %7zu %7zu %7zu | %15s %16s %9s | %15s %6s | %17s %8s %6s | %s\n", size.Terms, size.Names,
                        size.Terms * carbonym::kRecordSize / 1024, bytes / 1024, row.Fast.c_str(), row.Literal.c_str(),
                        row.LiteralRatio.c_str(), row.Cli.c_str(), row.CliPeak.c_str(), row.Sed.c_str(),
                        row.SedRatio.c_str(), row.SedPeak.c_str(), row.Same.c_str());
            std::fflush(stdout);
            if (row.Same.find("DIFFERS") != std::string::npos)
                status = 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        status = 2;
    }
    std::filesystem::remove_all(dir);
    return status;
}
