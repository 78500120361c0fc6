#include "toolkit_fixture.h"

#include <fstream>

#include "platform/log.h"
#include "toolkit/language.h"

namespace viremo::toolkit::testing {
namespace {

class LanguageTest : public ToolkitTest {
public:
    void TearDown() override { Language().Clear(); }
};

TEST_F(LanguageTest, ReadsIdentifierLinesAndKeepsUnknownIdentifiers) {
    log::Capture logged;
    Language().LoadText("\xEF\xBB\xBF# comment\r\n"
                        "UpdateIsLastText = Already the latest version\r\n"
                        "\n"
                        "message_text_22=Line one\\nLine two\\\\\n"
                        "keyboard_key_\\== = \n"
                        "no equals sign here\n",
                        "test.lang");
    EXPECT_EQ(Language().Size(), 3u);
    EXPECT_EQ(Language().Translate("keyboard_key_="), "=");
    EXPECT_EQ(Language().Translate("UpdateIsLastText"), "Already the latest version");
    EXPECT_EQ(Language().Translate("message_text_22"), "Line one\nLine two\\");
    EXPECT_EQ(Language().Translate("message_text_99"), "message_text_99");
    EXPECT_TRUE(logged.contains("test.lang:6: not an identifier=text line"));
}

TEST_F(LanguageTest, LoadingALanguageRetranslatesTextIdControls) {
    Load(R"(<HorizontalLayout>
              <Label name="title" textid="title_text" tooltip="title_tip" autocalcwidth="true"/>
              <Label name="plain" text="title_text" width="50"/>
              <Control name="rest"/>
            </HorizontalLayout>)",
         {300, 20});
    auto* title = Find("title");
    EXPECT_EQ(title->GetDisplayText(), "title_text");
    EXPECT_EQ(title->GetPos().Width(), 60);  // ten characters of 6 pixels

    std::filesystem::path file = std::filesystem::path(::testing::TempDir()) / "viremo_language_test.lang";
    std::ofstream(file) << "title_text=Devices\ntitle_tip=Pick a device\n";
    ASSERT_TRUE(Language().Load(file));
    EXPECT_EQ(title->GetDisplayText(), "Devices");
    EXPECT_EQ(title->GetDisplayToolTip(), "Pick a device");
    EXPECT_EQ(Find("plain")->GetDisplayText(), "title_text");
    pm.Layout();
    EXPECT_EQ(title->GetPos().Width(), 42);
    EXPECT_EQ(Find("rest")->GetPos().left, 92);

    EXPECT_FALSE(Language().Load(file.string() + ".missing"));
    EXPECT_EQ(title->GetDisplayText(), "Devices");
}

}  // namespace
}  // namespace viremo::toolkit::testing
