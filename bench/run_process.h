#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace carbonym::bench {

struct ProcessRun {
    double Seconds = 0; // wall time
    double CpuSeconds = 0; // user and system time
    double PeakMegabytes = 0; // peak resident set size
    int Status = -1; // exit status, -1 when it did not exit normally
};

// Runs arguments[0] (searched on PATH) with the given arguments under GNU
// time, for the peak memory, with standard output into `output` and the
// `environment` entries ("NAME=value") added to ours.
ProcessRun RunProcess(const std::vector<std::string>& arguments, const std::filesystem::path& output,
                      const std::vector<std::string>& environment = {});

} // namespace carbonym::bench
