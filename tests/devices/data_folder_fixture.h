#pragma once
// A test with a data folder and a resources folder of its own, for a driver
// of one kind: the factory files and the device's data files are written by
// the test.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

#include <json/value.h>

#include "platform/folders.h"
#include "profiles/json_file.h"

namespace viremo::devices::testing {

class DataFolderTest : public ::testing::Test {
protected:
    // `kind`: the data folder's name; its factory profile is "<kind>.Json".
    explicit DataFolderTest(std::string kind) : kind_(std::move(kind)) {}

    void SetUp() override {
        static std::atomic<int> counter{0};
        root_ = std::filesystem::temp_directory_path() /
                ("viremo-" + kind_ + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(root_);
        ::setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
        folders::setResourcesOverride(root_ / "resources");
    }

    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    void putFactory(const std::string& name, const std::string& text) {
        std::filesystem::create_directories(root_ / "resources" / "DefaultData");
        const auto document = json::parse(text);
        ASSERT_TRUE(document) << name;
        ASSERT_TRUE(json::writeFile(root_ / "resources" / "DefaultData" / name, *document));
    }
    // `factoryProfile` as the only entry of the kind's factory profile.
    void writeFactoryProfile() {
        Json::Value document;
        document["Device"].append(factoryProfile);
        std::filesystem::create_directories(root_ / "resources" / "DefaultData");
        ASSERT_TRUE(json::writeFile(root_ / "resources" / "DefaultData" / (kind_ + ".Json"), document));
    }
    std::filesystem::path deviceFolder() const { return folders::deviceData(kind_); }
    void putDeviceFile(const std::string& name, const std::string& text) {
        const auto document = json::parse(text);
        ASSERT_TRUE(document) << name;
        std::filesystem::create_directories(deviceFolder());
        ASSERT_TRUE(json::writeFile(deviceFolder() / name, *document));
    }

    Json::Value factoryProfile;
    std::filesystem::path root_;

private:
    std::string kind_;
};

}  // namespace viremo::devices::testing
