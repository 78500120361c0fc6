#include "platform/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace viremo {
namespace {

// Sets or unsets a variable for one test and puts it back afterwards.
class Variable {
public:
    Variable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~Variable() {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Folders, RelativeXdgPathsAreIgnoredAndAMissingHomeComesFromThePasswordDatabase) {
    const auto scratch = std::filesystem::temp_directory_path() / ("viremo-folders-" + std::to_string(::getpid()));
    {
        const Variable home("HOME", scratch.c_str());
        const Variable data("XDG_DATA_HOME", "relative/data");
        const Variable config("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(folders::homeProblem(), std::nullopt);
        EXPECT_EQ(folders::applicationData(), scratch / ".local/share/VIREMO VR-TKL");
        EXPECT_EQ(folders::settings(), scratch / ".config/VIREMO VR-TKL");
    }
    {
        // Nothing is created here: the folders would be the user's own.
        const Variable home("HOME", nullptr);
        const Variable data("XDG_DATA_HOME", nullptr);
        const struct passwd* entry = ::getpwuid(::getuid());
        ASSERT_NE(entry, nullptr);
        if (std::string(entry->pw_dir) == "/") EXPECT_NE(folders::homeProblem(), std::nullopt);
        else EXPECT_EQ(folders::homeProblem(), std::nullopt);
    }
    std::filesystem::remove_all(scratch);
}

}  // namespace
}  // namespace viremo
