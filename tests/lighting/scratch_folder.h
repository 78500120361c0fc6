#pragma once
// A fresh folder per test under the system's temporary folder, removed
// afterwards. Short enough to hold a socket.
#include <atomic>
#include <filesystem>
#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/atomic_file.h"

namespace viremo::testing {

class ScratchFolder {
public:
    ScratchFolder() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("viremo-lighting-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    std::filesystem::path put(std::string_view name, std::string_view text) const {
        EXPECT_TRUE(writeFileAtomically(path_ / name, text));
        return path_ / name;
    }

private:
    std::filesystem::path path_;
};

}  // namespace viremo::testing
