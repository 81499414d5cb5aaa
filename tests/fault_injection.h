#pragma once

// Failures that are hard to meet on purpose, made on demand. POSIX only; a
// test that needs them is skipped elsewhere.

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>

namespace carbonym::test {

// While it lives, no file this process writes may grow beyond `bytes`: the
// write fails as on a full disk, whatever the permissions (the tests may run
// as root, for whom a read-only directory is no obstacle).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        // Without this the process would be killed instead of seeing EFBIG.
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};

} // namespace carbonym::test
#endif
