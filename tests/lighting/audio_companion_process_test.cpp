#include "lighting/audio_companion_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace viremo {
namespace {

TEST(AudioCompanionProcess, ReportsHowTheCompanionEnded) {
    AudioCompanionProcess missing;
    EXPECT_FALSE(missing.Start("/nonexistent/viremo-audio"));
    EXPECT_EQ(missing.ExitCode(), std::nullopt);

    // A companion without a sound server ends with 1.
    AudioCompanionProcess failing;
    ASSERT_TRUE(failing.Start("/bin/false"));
    for (int i = 0; i < 200 && failing.IsRunning(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(failing.IsRunning());
    EXPECT_EQ(failing.ExitCode(), 1);
}

}  // namespace
}  // namespace viremo
