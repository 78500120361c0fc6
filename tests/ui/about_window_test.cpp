#include "ui/about_wnd.h"

#include <gtest/gtest.h>

#include "toolkit/language.h"
#include "toolkit/paint_manager.h"

namespace viremo::ui {
namespace {

TEST(AboutWindowTest, TheVersionLineIsComposedOnceInTheLanguageOfTheMoment) {
    toolkit::CPaintManagerUI::SetResourcePath(VIREMO_SOURCE_DIR "/resources/skin");
    toolkit::Language().LoadText("software_rev_text=Version ");
    CAboutWnd about;
    ASSERT_TRUE(about.Build(nullptr, 96));
    EXPECT_EQ(about.VersionLine(), "Version VIREMO V.10");
    toolkit::Language().LoadText("software_rev_text=版本 ");
    EXPECT_EQ(about.VersionLine(), "Version VIREMO V.10");
    toolkit::Language().Clear();
}

}  // namespace
}  // namespace viremo::ui
