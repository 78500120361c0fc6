#pragma once
// A fresh folder per test under the system's temporary folder.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/atomic_file.h"

namespace viremo::testing {

inline std::filesystem::path scratchFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    auto folder = std::filesystem::temp_directory_path() /
                  ("viremo-macros-" + std::to_string(::getpid())) / (std::string(test->test_suite_name()) + "." + test->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline void writeText(const std::filesystem::path& file, std::string_view text) {
    ASSERT_TRUE(writeFileAtomically(file, text));
}

inline std::string readText(const std::filesystem::path& file) { return readWholeFile(file).value_or("<missing>"); }

}  // namespace viremo::testing
