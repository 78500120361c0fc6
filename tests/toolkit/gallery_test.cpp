#include <gtest/gtest.h>

#include <set>

#include "toolkit/dialog_builder.h"
#include "toolkit/fixed_metric_renderer.h"
#include "toolkit/language.h"
#include "toolkit/paint_manager.h"

namespace viremo::toolkit {
namespace {

// The sample skin is also the Qt gallery's: it must build, and use every
// built-in control.
TEST(GalleryTest, SampleSkinBuildsAndUsesEveryControl) {
    CPaintManagerUI::SetResourcePath(VIREMO_TEST_DATA "/gallery");
    CPaintManagerUI pm;
    CDialogBuilder builder;
    auto root = builder.Create("gallery", nullptr, &pm);
    ASSERT_TRUE(root) << builder.GetLastError();
    auto menu = builder.Create("context_menu");
    ASSERT_TRUE(menu) << builder.GetLastError();

    std::set<std::string> classes;
    auto collect = [&](CControlUI* c) {
        classes.emplace(c->GetClass());
        return false;
    };
    root->FindControl(collect, kFindAll);
    menu->FindControl(collect, kFindAll);
    const std::set<std::string> builtIn = {
        "Control", "Container", "HorizontalLayout", "VerticalLayout", "TabLayout", "Label", "Text", "Button",
        "Option", "CheckBox", "Edit", "Combo", "Progress", "Slider", "List", "ListLabelElement",
        "ListContainerElement", "ColorPalette", "Menu", "MenuElement"};
    for (const std::string& name : builtIn) EXPECT_TRUE(classes.count(name)) << name;

    auto language = CDialogBuilder::FindResource("language");
    ASSERT_TRUE(language);
    ASSERT_TRUE(Language().Load(*language));
    pm.AttachDialog(std::move(root));
    pm.OnSize(pm.GetInitSize());
    CFixedMetricRenderer renderer;
    pm.Paint(renderer, pm.GetClientRect());
    EXPECT_FALSE(renderer.CallsOf("text").empty());
    EXPECT_EQ(pm.FindControl("title")->GetDisplayText(), "Toolkit gallery");
    Language().Clear();
}

}  // namespace
}  // namespace viremo::toolkit
