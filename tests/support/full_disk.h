// A disk with room for only part of the working file while it lives: every rewrite of that file
// fails, while the file itself stays whole and readable and the small settings files still fit.
#pragma once

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

#include "document/document.h"
#include "document/program_state.h"

namespace testsupport {

class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &kept_);
        rlimit limit = kept_;
        limit.rlim_cur = static_cast<rlim_t>(
            std::filesystem::file_size(ObjectList.DrawingFilePath(filemode::kWorking)) / 2);
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
