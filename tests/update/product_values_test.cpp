#include <gtest/gtest.h>

#include <climits>

#include "update/product_list.h"
#include "update/service_answer.h"
#include "update/version_number.h"

namespace viremo::update {
namespace {

TEST(VersionNumbers, ReadLeadingDigitsAndSaturate) {
    struct Case {
        const char* text;
        int base;
        uint32_t value;
    } const cases[] = {
        {"0103", 16, 0x103},   {"1a2g", 16, 0x1a2},  {" 2302", 10, 2302},        {"12ab", 10, 12},
        {"zz", 16, 0},         {"", 10, 0},          {"100000000", 16, UINT32_MAX}, {"4294967296", 10, UINT32_MAX},
    };
    for (const auto& c : cases) EXPECT_EQ(leadingNumber(c.text, c.base), c.value) << c.text;
}

TEST(VersionNumbers, DottedVersionsReadAsOneNumber) {
    struct Case {
        const char* text;
        int value;
    } const cases[] = {{"1.10", 110}, {"2.3.0.2", 2302}, {"0.1.0", 10}, {"", 0}, {"9.9.9.9.9.9.9.9.9.9.9", INT_MAX}};
    for (const auto& c : cases) EXPECT_EQ(dottedVersionNumber(c.text), c.value) << c.text;
}

TEST(ProductList, ListsTheConnectedDevicesAndTheApplication) {
    // Tabs: mouse, keyboard, mouse pad, headset (which has no update row).
    const int firmware[] = {0x0103, 0x0105, 0, 0x0100};
    const auto products = productList(firmware, 10);
    ASSERT_EQ(products.size(), 3u);
    EXPECT_EQ(products[0].displayCode, "MS");
    EXPECT_EQ(products[0].installedVersion, 0x0103);
    EXPECT_EQ(products[1].displayCode, "KB");
    EXPECT_EQ(products[1].installedVersion, 0x0105);
    EXPECT_EQ(products[2].displayCode, "VR");
    EXPECT_EQ(products[2].installedVersion, 10);
    EXPECT_TRUE(isApplication(products[2]));
    EXPECT_FALSE(isApplication(products[0]));
}

TEST(ProductList, KeysAndBodiesAsTheServiceKnowsThem) {
    ProductEntry keyboard = devices::kModelTable[1];
    keyboard.installedVersion = 0x0105;
    EXPECT_EQ(BuildAppKey(keyboard), "VRAKE_1_VR_K5078_KEYBOARD_7");
    keyboard.installedVersion = 0;
    EXPECT_EQ(BuildAppKey(keyboard), "NULL");
    EXPECT_EQ(requestBody("NULL", 0, true), std::string("app_key=NULL&version=0") + '\0');
    EXPECT_EQ(requestBody("K", 0x1a, true), std::string("app_key=K&version=1a") + '\0');
    EXPECT_EQ(requestBody("K", 2302, false), std::string("app_key=K&version=2302") + '\0');
}

TEST(ProductList, UnansweredProductsShowTheirInstalledVersion) {
    auto row = [](size_t index, int version) {
        ProductEntry product = devices::kModelTable[index];
        product.installedVersion = version;
        return unansweredInfo(product);
    };
    const UpdateInfo keyboard = row(1, 0x0105);
    EXPECT_EQ(keyboard.name, "KB");
    EXPECT_EQ(keyboard.currentVersionText, "V0105");
    EXPECT_EQ(keyboard.status, kStatusNoNewerVersion);
    const UpdateInfo application = row(3, 10);
    EXPECT_EQ(application.name, "VR");
    EXPECT_EQ(application.currentVersionText, "VIREMO V.10");
}

}  // namespace
}  // namespace viremo::update
