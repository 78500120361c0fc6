#include <gtest/gtest.h>

#include "platform/log.h"
#include "toolkit/button.h"
#include "toolkit/container.h"
#include "toolkit/control_factory.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/paint_manager.h"
#include "toolkit/text_util.h"

namespace viremo::toolkit {
namespace {

class DeviceKeyUI : public CButtonUI {
public:
    std::string_view GetClass() const override { return "DeviceKey"; }
};

class WidgetUI : public CControlUI {
public:
    std::string_view GetClass() const override { return "Widget"; }
};

// Creates key buttons for "DeviceKey", in any case, and nothing else.
class KeyCallback : public IDialogBuilderCallback {
public:
    std::unique_ptr<CControlUI> CreateControl(std::string_view tag) override {
        asked.emplace_back(tag);
        if (EqualsNoCase(tag, "devicekey")) return std::make_unique<DeviceKeyUI>();
        return nullptr;
    }
    std::vector<std::string> asked;
};

class BuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        CPaintManagerUI::SetResourcePath(VIREMO_TEST_DATA "/builder");
        CControlFactory::Instance().Register("Widget", [] { return std::make_unique<WidgetUI>(); });
    }
    void TearDown() override { CControlFactory::Instance().Unregister("Widget"); }

    CPaintManagerUI pm;
    CDialogBuilder builder;
    KeyCallback callback;
};

TEST_F(BuilderTest, BuildsThroughCallbackBuiltInsFactoryAndIncludes) {
    auto root = builder.Create("panel", &callback, &pm);
    ASSERT_TRUE(root) << builder.GetLastError();
    auto* layout = dynamic_cast<CContainerUI*>(root.get());
    ASSERT_TRUE(layout);
    ASSERT_EQ(layout->GetCount(), 5);
    EXPECT_EQ(layout->GetItemAt(0)->GetClass(), "HorizontalLayout");
    EXPECT_EQ(layout->GetItemAt(1)->GetClass(), "HorizontalLayout");
    EXPECT_EQ(layout->GetItemAt(2)->GetClass(), "DeviceKey");
    EXPECT_EQ(layout->GetItemAt(3)->GetClass(), "Widget");
    EXPECT_EQ(layout->FindSubControlsByClass("Button").size(), 3u);
    // The callback is asked first, for every tag.
    EXPECT_EQ(callback.asked.front(), "VerticalLayout");

    EXPECT_EQ(pm.GetInitSize(), (Size{320, 200}));
    EXPECT_EQ(pm.GetCaptionRect(), (Rect{0, 0, 0, 24}));
    EXPECT_EQ(CPaintManagerUI::GetFont(3).size, 14);
    EXPECT_TRUE(CPaintManagerUI::GetFont(3).bold);
}

TEST_F(BuilderTest, DefaultsThenStyleThenOwnAttributes) {
    auto root = builder.Create("panel", &callback, &pm);
    ASSERT_TRUE(root);
    auto* layout = dynamic_cast<CContainerUI*>(root.get());
    auto* styled = dynamic_cast<CButtonUI*>(layout->FindSubControl("styled"));
    ASSERT_TRUE(styled);
    EXPECT_EQ(styled->GetTextColor(), 0xFFFF0000u);  // style over class default
    EXPECT_EQ(styled->GetBkColor(), 0xFF000000u);
    EXPECT_EQ(styled->GetFont(), 1);                 // own attribute last
    auto* rowButton = dynamic_cast<CButtonUI*>(layout->FindSubControl("row_button"));
    EXPECT_EQ(rowButton->GetTextColor(), 0xFF112233u);
    EXPECT_EQ(rowButton->GetFont(), 3);
}

TEST_F(BuilderTest, FailuresReturnNullAndNameFileAndLine) {
    struct Case {
        const char* layout;
        const char* error;  // the end of GetLastError
    };
    const std::string data = VIREMO_TEST_DATA "/builder/";
    const Case cases[] = {
        {"broken", "broken.xml:4: Start-end tags mismatch"},
        {"unknown.xml", "unknown.xml:4: unknown control 'Gadget'"},
        {"<Label><Button/></Label>", "(layout text):1: 'Label' cannot hold controls"},
        {"<VerticalLayout><Include source='missing.xml'/></VerticalLayout>", "missing.xml:0: layout not found"},
        {"loop.xml", "loop.xml:1: includes nest too deep"},
        {"<Window><Font id='1'/></Window>", "(layout text):1: window without a root control"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        log::Capture logged;
        EXPECT_FALSE(builder.Create(c.layout, nullptr, &pm));
        const std::string& error = builder.GetLastError();
        ASSERT_GE(error.size(), std::string(c.error).size()) << error;
        EXPECT_EQ(error.substr(error.size() - std::string(c.error).size()), c.error);
        EXPECT_TRUE(logged.contains(c.error));
    }
}

TEST_F(BuilderTest, UnknownTagWithoutCallbackOrFactoryFails) {
    EXPECT_FALSE(builder.Create("<VerticalLayout><DeviceKey/></VerticalLayout>"));
    EXPECT_TRUE(builder.Create("<VerticalLayout><DeviceKey/></VerticalLayout>", &callback));
    EXPECT_TRUE(builder.Create("<verticallayout><WIDGET/></verticallayout>"));
}

TEST(ImageDescriptionTest, ParsesBareNamesAndKeyValuePairs) {
    ImageDescription plain = ParseImageDescription("  images/key.png ");
    EXPECT_EQ(plain.file, "images/key.png");
    EXPECT_EQ(plain.fade, 255);

    ImageDescription full = ParseImageDescription(
        "file='a b.png' source='1,2,3,4' corner='5,5,5,5' dest='0,0,10,8' mask='#FFFF00FF' fade='300' "
        "hole='true' xtiled='true'");
    EXPECT_EQ(full.file, "a b.png");
    EXPECT_EQ(full.source, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(full.corner, (Rect{5, 5, 5, 5}));
    EXPECT_EQ(full.dest, (Rect{0, 0, 10, 8}));
    EXPECT_EQ(full.mask, 0xFFFF00FFu);
    EXPECT_EQ(full.fade, 255);  // kept in range
    EXPECT_TRUE(full.hole);
    EXPECT_TRUE(full.xtiled);
    EXPECT_FALSE(full.ytiled);
    EXPECT_EQ(ParseImageDescription("res='x.png' fade='80'").fade, 80);
}

TEST(ImageDescriptionTest, NumbersReadLikeTheSkinWritesThem) {
    EXPECT_EQ(ParseInt("  -42px"), -42);
    EXPECT_EQ(ParseInt("abc"), 0);
    EXPECT_EQ(ParseInt("99999999999"), 0x7FFFFFFF);
    EXPECT_EQ(ParseRect("1,2"), (Rect{1, 2, 0, 0}));
    EXPECT_EQ(ParseColor("0xff102030"), 0xFF102030u);
    EXPECT_EQ(ParseColor("#80FFFFFF"), 0x80FFFFFFu);
}

}  // namespace
}  // namespace viremo::toolkit
