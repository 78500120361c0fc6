#include "emulator/report_descriptors.h"

#include "emulator/command_packet.h"

namespace viremo::emulator {

std::vector<uint8_t> bootKeyboardDescriptor() {
    return {
        0x05, 0x01,        // Usage Page (Generic Desktop)
        0x09, 0x06,        // Usage (Keyboard)
        0xA1, 0x01,        // Collection (Application)
        0x05, 0x07,        //   Usage Page (Keyboard)
        0x19, 0xE0,        //   Usage Minimum (Left Control)
        0x29, 0xE7,        //   Usage Maximum (Right GUI)
        0x15, 0x00,        //   Logical Minimum (0)
        0x25, 0x01,        //   Logical Maximum (1)
        0x75, 0x01,        //   Report Size (1)
        0x95, 0x08,        //   Report Count (8)
        0x81, 0x02,        //   Input (Data, Variable, Absolute): modifiers
        0x95, 0x01,        //   Report Count (1)
        0x75, 0x08,        //   Report Size (8)
        0x81, 0x01,        //   Input (Constant): reserved byte
        0x95, 0x05,        //   Report Count (5)
        0x75, 0x01,        //   Report Size (1)
        0x05, 0x08,        //   Usage Page (LEDs)
        0x19, 0x01,        //   Usage Minimum (Num Lock)
        0x29, 0x05,        //   Usage Maximum (Kana)
        0x91, 0x02,        //   Output (Data, Variable, Absolute): LEDs
        0x95, 0x01,        //   Report Count (1)
        0x75, 0x03,        //   Report Size (3)
        0x91, 0x01,        //   Output (Constant): padding
        0x95, 0x06,        //   Report Count (6)
        0x75, 0x08,        //   Report Size (8)
        0x15, 0x00,        //   Logical Minimum (0)
        0x26, 0xFF, 0x00,  //   Logical Maximum (255)
        0x05, 0x07,        //   Usage Page (Keyboard)
        0x19, 0x00,        //   Usage Minimum (0)
        0x2A, 0xFF, 0x00,  //   Usage Maximum (255)
        0x81, 0x00,        //   Input (Data, Array, Absolute): six keys
        0xC0,              // End Collection
    };
}

std::vector<uint8_t> bootMouseDescriptor() {
    return {
        0x05, 0x01,  // Usage Page (Generic Desktop)
        0x09, 0x02,  // Usage (Mouse)
        0xA1, 0x01,  // Collection (Application)
        0x09, 0x01,  //   Usage (Pointer)
        0xA1, 0x00,  //   Collection (Physical)
        0x05, 0x09,  //     Usage Page (Button)
        0x19, 0x01,  //     Usage Minimum (1)
        0x29, 0x05,  //     Usage Maximum (5)
        0x15, 0x00,  //     Logical Minimum (0)
        0x25, 0x01,  //     Logical Maximum (1)
        0x95, 0x05,  //     Report Count (5)
        0x75, 0x01,  //     Report Size (1)
        0x81, 0x02,  //     Input (Data, Variable, Absolute): buttons
        0x95, 0x01,  //     Report Count (1)
        0x75, 0x03,  //     Report Size (3)
        0x81, 0x01,  //     Input (Constant): padding
        0x05, 0x01,  //     Usage Page (Generic Desktop)
        0x09, 0x30,  //     Usage (X)
        0x09, 0x31,  //     Usage (Y)
        0x09, 0x38,  //     Usage (Wheel)
        0x15, 0x81,  //     Logical Minimum (-127)
        0x25, 0x7F,  //     Logical Maximum (127)
        0x75, 0x08,  //     Report Size (8)
        0x95, 0x03,  //     Report Count (3)
        0x81, 0x06,  //     Input (Data, Variable, Relative)
        0xC0,        //   End Collection
        0xC0,        // End Collection
    };
}

std::vector<uint8_t> commandInterfaceDescriptor() {
    constexpr uint8_t kDataBytes = kPacketLength - 1;  // 63 after the id byte
    return {
        // &col01: keyboard keys sent by the product (macros, key functions)
        0x05, 0x01,               // Usage Page (Generic Desktop)
        0x09, 0x06,               // Usage (Keyboard)
        0xA1, 0x01,               // Collection (Application)
        0x85, kKeyboardReportId,  //   Report ID (1)
        0x05, 0x07,               //   Usage Page (Keyboard)
        0x19, 0xE0,               //   Usage Minimum (Left Control)
        0x29, 0xE7,               //   Usage Maximum (Right GUI)
        0x15, 0x00,               //   Logical Minimum (0)
        0x25, 0x01,               //   Logical Maximum (1)
        0x75, 0x01,               //   Report Size (1)
        0x95, 0x08,               //   Report Count (8)
        0x81, 0x02,               //   Input (Data, Variable, Absolute): modifiers
        0x19, 0x00,               //   Usage Minimum (0)
        0x2A, 0xFF, 0x00,         //   Usage Maximum (255)
        0x26, 0xFF, 0x00,         //   Logical Maximum (255)
        0x75, 0x08,               //   Report Size (8)
        0x95, 0x06,               //   Report Count (6)
        0x81, 0x00,               //   Input (Data, Array, Absolute): six keys
        0xC0,                     // End Collection

        // &col02: system control (power, sleep, wake)
        0x05, 0x01,                    // Usage Page (Generic Desktop)
        0x09, 0x80,                    // Usage (System Control)
        0xA1, 0x01,                    // Collection (Application)
        0x85, kSystemControlReportId,  //   Report ID (2)
        0x19, 0x81,                    //   Usage Minimum (System Power Down)
        0x29, 0x83,                    //   Usage Maximum (System Wake Up)
        0x15, 0x00,                    //   Logical Minimum (0)
        0x25, 0x01,                    //   Logical Maximum (1)
        0x75, 0x01,                    //   Report Size (1)
        0x95, 0x03,                    //   Report Count (3)
        0x81, 0x02,                    //   Input (Data, Variable, Absolute)
        0x95, 0x05,                    //   Report Count (5)
        0x81, 0x01,                    //   Input (Constant): padding
        0xC0,                          // End Collection

        // &col03: consumer control; media keys and the product's event codes
        // (one 16-bit usage per report)
        0x05, 0x0C,               // Usage Page (Consumer)
        0x09, 0x01,               // Usage (Consumer Control)
        0xA1, 0x01,               // Collection (Application)
        0x85, kConsumerReportId,  //   Report ID (3)
        0x19, 0x00,               //   Usage Minimum (0)
        0x2A, 0xFF, 0x7F,         //   Usage Maximum (0x7FFF)
        0x15, 0x00,               //   Logical Minimum (0)
        0x26, 0xFF, 0x7F,         //   Logical Maximum (0x7FFF)
        0x75, 0x10,               //   Report Size (16)
        0x95, 0x01,               //   Report Count (1)
        0x81, 0x00,               //   Input (Data, Array, Absolute)
        0xC0,                     // End Collection

        // &col04: the command collection
        0x06, 0x1C, 0xFF,         // Usage Page (Vendor FF1C)
        0x09, 0x92,               // Usage (0x92)
        0xA1, 0x01,               // Collection (Application)
        0x85, kCommandReportId,   //   Report ID (4)
        0x09, 0x01,               //   Usage (reply)
        0x15, 0x00,               //   Logical Minimum (0)
        0x26, 0xFF, 0x00,         //   Logical Maximum (255)
        0x75, 0x08,               //   Report Size (8)
        0x95, kDataBytes,         //   Report Count (63)
        0x81, 0x02,               //   Input (Data, Variable, Absolute)
        0x09, 0x02,               //   Usage (command)
        0x95, kDataBytes,         //   Report Count (63)
        0x91, 0x02,               //   Output (Data, Variable, Absolute)
        0xC0,                     // End Collection
    };
}

std::vector<uint8_t> headsetDescriptor() {
    constexpr uint8_t kDataBytes = kPacketLength - 1;
    constexpr uint8_t kColourBytes = 16;  // 17 with the id byte
    return {
        0x05, 0x0C,                      // Usage Page (Consumer)
        0x09, 0x01,                      // Usage (Consumer Control)
        0xA1, 0x01,                      // Collection (Application)
        0x85, kHeadsetConsumerReportId,  //   Report ID (1): buttons and event codes
        0x19, 0x00,                      //   Usage Minimum (0)
        0x2A, 0xFF, 0x7F,                //   Usage Maximum (0x7FFF)
        0x15, 0x00,                      //   Logical Minimum (0)
        0x26, 0xFF, 0x7F,                //   Logical Maximum (0x7FFF)
        0x75, 0x10,                      //   Report Size (16)
        0x95, 0x01,                      //   Report Count (1)
        0x81, 0x00,                      //   Input (Data, Array, Absolute)
        0x85, kCommandReportId,          //   Report ID (4): command packets
        0x06, 0x1C, 0xFF,                //   Usage Page (Vendor FF1C)
        0x09, 0x01,                      //   Usage (reply)
        0x26, 0xFF, 0x00,                //   Logical Maximum (255)
        0x75, 0x08,                      //   Report Size (8)
        0x95, kDataBytes,                //   Report Count (63)
        0x81, 0x02,                      //   Input (Data, Variable, Absolute)
        0x09, 0x02,                      //   Usage (command)
        0x91, 0x02,                      //   Output (Data, Variable, Absolute)
        0x85, kHeadsetColourReportId,    //   Report ID (255): live colours
        0x09, 0x03,                      //   Usage (colours)
        0x95, kColourBytes,              //   Report Count (16)
        0x91, 0x02,                      //   Output (Data, Variable, Absolute)
        0xC0,                            // End Collection
    };
}

}  // namespace viremo::emulator
