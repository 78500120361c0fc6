#pragma once
// A fresh folder per test, removed afterwards, with small helpers to put
// JSON text into it and read documents back.
#include <atomic>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <json/value.h>
#include <unistd.h>

#include "platform/atomic_file.h"
#include "profiles/json_file.h"

// Documents print as their JSON text when an expectation fails.
namespace Json {
inline void PrintTo(const Value& value, std::ostream* out) { *out << viremo::json::styledText(value); }
}  // namespace Json

namespace viremo::testing {

class ScratchFolder {
public:
    ScratchFolder() {
        static std::atomic<int> counter{0};
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("viremo-profiles-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                 (test ? test->name() : "x"));
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
        const auto file = path_ / name;
        std::filesystem::create_directories(file.parent_path());
        EXPECT_TRUE(writeFileAtomically(file, text));
        return file;
    }
    Json::Value read(std::string_view name) const { return json::readFile(path_ / name); }
    std::string text(std::string_view name) const { return readWholeFile(path_ / name).value_or("<absent>"); }
    bool exists(std::string_view name) const { return std::filesystem::exists(path_ / name); }

private:
    std::filesystem::path path_;
};

inline Json::Value parsed(std::string_view text) {
    auto value = json::parse(text);
    EXPECT_TRUE(value.has_value()) << text;
    return value.value_or(Json::Value());
}

}  // namespace viremo::testing
