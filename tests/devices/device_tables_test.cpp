#include "devices/device_tables.h"

#include <gtest/gtest.h>

#include <cctype>

namespace viremo::devices {
namespace {

TEST(DeviceTables, InterfaceLookupsFindTheFirstMatchingRowOrNone) {
    const struct {
        uint32_t vendor, product, model, role;
        int row;
    } byProduct[] = {
        {0x320F, 0x5078, 1, kRoleCommand, 0},
        {0x320F, 0x5078, 1, kRoleSecondary, 1},
        {0x320F, 0x5001, 9, kRoleCommand, 2},
        {0x320F, 0x221D, 6, kRoleSecondary, 7},
        {0x320F, 0x1004, 3, kRoleCommand, 8},
        {0x0C76, 0x1630, 7, kRoleCommand, 10},
        {0x0C76, 0x1630, 7, kRoleSecondary, kNone},
        {0x320F, 0x5078, 9, kRoleCommand, kNone},  // model of another product
    };
    for (const auto& c : byProduct)
        EXPECT_EQ(findHidInterfaceRow(c.vendor, c.product, c.model, c.role), c.row) << c.product;

    const struct {
        uint32_t vendor, product, collection, interfaceNumber, page, usage;
        int before, after;
    } discovered[] = {
        {0x320F, 0x5078, 4, 1, 0xFF1C, 0x92, 0, 0},
        {0x320F, 0x221D, 3, 1, 0x000C, 0x01, 7, 7},
        {0x0C76, 0x1630, 0, 3, 0x000C, 0x01, 10, 10},       // the headset: no collection number
        {0x320F, 0x5078, 4, 1, 0x0001, 0x06, 0, kNone},      // right place, wrong usage
        {0x320F, 0x5078, 2, 1, 0xFF1C, 0x92, kNone, kNone},  // an interface no row names
        {0x1320F, 0x5078, 4, 1, 0xFF1C, 0x92, kNone, kNone}, // a wide id never narrows into a match
    };
    for (const auto& c : discovered) {
        EXPECT_EQ(matchBeforeOpen(c.vendor, c.product, c.collection, c.interfaceNumber), c.before) << c.product;
        EXPECT_EQ(matchAfterOpen(c.vendor, c.product, c.collection, c.interfaceNumber, c.page, c.usage), c.after)
            << c.product;
    }
}

TEST(DeviceTables, ReceiversPairWithTheirWiredRowsAndTheMousePadHasNoPartner) {
    const auto& table = hidInterfaceTable();
    ASSERT_EQ(table.size(), 11u);
    for (int row : {0, 1, 2, 3, 4, 5, 6, 7}) {
        const auto& r = table[size_t(row)];
        ASSERT_EQ(r.hasPartner, 1) << row;
        EXPECT_EQ(table[r.partner].partner, row) << "partners point back to each other";
        EXPECT_EQ(table[r.partner].collection, r.collection);
    }
    for (int row : {8, 9, 10}) EXPECT_EQ(table[size_t(row)].hasPartner, 0) << row;

    // A receiver's record stands for its wired product; the others stay.
    EXPECT_TRUE(sameIdentity(wiredEquivalent(table[2]), table[0]));
    EXPECT_TRUE(sameIdentity(wiredEquivalent(table[7]), table[5]));
    EXPECT_TRUE(sameIdentity(wiredEquivalent(table[8]), table[8]));  // partner field 0 is not used
    EXPECT_TRUE(sameIdentity(wiredEquivalent(table[0]), table[0]));
    InterfaceRecord broken = table[6];
    broken.partner = 200;
    EXPECT_TRUE(sameIdentity(wiredEquivalent(broken), table[6]));
    EXPECT_EQ(wiredModel(kModelKeyboardReceiver), kModelWiredKeyboard);
    EXPECT_EQ(wiredModel(kModelMouseReceiver), kModelWiredMouse);
    EXPECT_EQ(wiredModel(kModelHeadset), kModelHeadset);
}

TEST(DeviceTables, IdentityIgnoresConnectionPartnerAndPath) {
    const InterfaceRecord base = hidInterfaceTable()[4];
    InterfaceRecord other = base;
    other.connected = 1;
    other.hasPartner = 0;
    other.partner = 9;
    other.path = "/dev/hidraw2#vid_320f&pid_221c&mi_01&col04";
    EXPECT_TRUE(sameIdentity(base, other));

    uint16_t InterfaceRecord::*const compared[] = {
        &InterfaceRecord::vendorId, &InterfaceRecord::productId, &InterfaceRecord::interfaceNumber,
        &InterfaceRecord::collection, &InterfaceRecord::modelId, &InterfaceRecord::role,
        &InterfaceRecord::usagePage, &InterfaceRecord::usage};
    for (auto field : compared) {
        InterfaceRecord changed = base;
        changed.*field ^= 1;
        EXPECT_FALSE(sameIdentity(base, changed));
    }
}

TEST(DeviceTables, KindRowsAreFoundByTheWiredProductOnly) {
    EXPECT_EQ(findKindRow(0x320F, 0x221C, 2, 0), kKindMouse);
    EXPECT_EQ(findKindRow(0x320F, 0x5078, 1, 0), kKindKeyboard);
    EXPECT_EQ(findKindRow(0x320F, 0x1004, 3, 0), kKindMousePad);
    EXPECT_EQ(findKindRow(0x0C76, 0x1630, 7, 0), kKindHeadset);
    EXPECT_EQ(findKindRow(0x320F, 0x5001, 9, 0), kNone);  // receivers map to the wired product first
    EXPECT_EQ(findKindRow(0x320F, 0x221D, 6, 0), kNone);
    EXPECT_EQ(findKindRow(0x320F, 0x5078, 1, 1), kNone);  // the variant is part of the key

    // Kind index and kind code are numbered separately.
    EXPECT_EQ(kDeviceKindTable[kKindKeyboard].kindCode, 0);
    EXPECT_EQ(kDeviceKindTable[kKindMouse].kindCode, 1);
    EXPECT_EQ(kDevicePageTable[kKindKeyboard].keyCount, 170);
    EXPECT_TRUE(kDevicePageTable[kKindMouse].batteryPowered);
}

bool allOf(std::string_view text, bool (*allowed)(char)) {
    for (char c : text)
        if (!allowed(c)) return false;
    return true;
}
bool upperOrDigitOrUnderscore(char c) { return std::isupper(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c)) || c == '_'; }
bool upper(char c) { return std::isupper(static_cast<unsigned char>(c)); }

TEST(DeviceTables, ModelTableIdentifiersHaveTheirFixedForms) {
    for (size_t i = 0; i < kModelTable.size(); ++i) {
        SCOPED_TRACE(i);
        const ModelRow& row = kModelTable[i];
        EXPECT_EQ(row.firstId != 0, i < 2);  // hexadecimal versions: the mouse and keyboard firmware
        EXPECT_EQ(row.secondId, kModelTable[0].secondId);
        EXPECT_EQ(row.installedVersion, 0);
        EXPECT_EQ(row.brand, kModelTable[0].brand);
        EXPECT_TRUE(row.brand.size() == 5 && allOf(row.brand, upper));
        EXPECT_TRUE(row.modelCode.size() >= 3 && row.modelCode.size() <= 10 &&
                    allOf(row.modelCode, upperOrDigitOrUnderscore));
        EXPECT_TRUE(row.productCode.size() >= 2 && row.productCode.size() <= 11 &&
                    allOf(row.productCode, upperOrDigitOrUnderscore));
        EXPECT_TRUE(row.displayCode.size() >= 2 && row.displayCode.size() <= 3 && allOf(row.displayCode, upper));
        EXPECT_EQ(row.versionLabel.empty(), i < 3);
    }
    // "<word> V.<two digits>"
    const std::string_view label = kModelTable[3].versionLabel;
    const size_t blank = label.find(' ');
    ASSERT_NE(blank, std::string_view::npos);
    EXPECT_GT(blank, 0u);
    EXPECT_EQ(label.substr(blank + 1, 2), "V.");
    EXPECT_EQ(label.size(), blank + 5);
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(label[blank + 3])) &&
                std::isdigit(static_cast<unsigned char>(label[blank + 4])));
}

}  // namespace
}  // namespace viremo::devices
