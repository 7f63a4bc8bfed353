// A disk with room for only part of the working file while it lives: every rewrite of that file
// fails, while the file itself stays whole and readable and the small settings files still fit.
#pragma once

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <sys/resource.h>

#include "document/document.h"
#include "document/program_state.h"

namespace testsupport {

class FullDisk {
public:
    FullDisk() : FullDisk(std::filesystem::file_size(ObjectList.DrawingFilePath(filemode::kWorking)) / 2) {}
    // Room for a working file of up to `room` bytes.
    explicit FullDisk(std::uintmax_t room) {
        getrlimit(RLIMIT_FSIZE, &kept_);
        rlimit limit = kept_;
        limit.rlim_cur = static_cast<rlim_t>(room);
        // Past the limit a write fails instead of ending the process.
        keptSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &kept_);
        std::signal(SIGXFSZ, keptSignal_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit kept_{};
    void (*keptSignal_)(int) = SIG_DFL;
};

} // namespace testsupport
