#include "hid/sysfs_hid.h"

#include <fstream>

namespace viremo::hid {
namespace {

// Files of a device that is going away fail to read (ENODEV). The stream's
// read turns that into a bad state; reading through the buffer directly would
// throw out of it instead.
std::optional<std::string> readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) text.append(chunk, size_t(in.gcount()));
    if (in.bad()) return std::nullopt;
    return text;
}

std::optional<uint32_t> parseHex(std::string_view text, size_t maxDigits) {
    uint32_t value = 0;
    size_t digits = 0;
    for (char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit < 0) break;
        if (++digits > maxDigits) return std::nullopt;
        value = value * 16 + uint32_t(digit);
    }
    if (digits == 0) return std::nullopt;
    return value;
}

// The value of the first "KEY=value" line of a uevent file.
std::optional<std::string_view> ueventValue(std::string_view uevent, std::string_view key) {
    for (size_t start = 0; start < uevent.size();) {
        size_t end = uevent.find('\n', start);
        if (end == std::string_view::npos) end = uevent.size();
        const std::string_view line = uevent.substr(start, end - start);
        start = end + 1;
        if (line.size() > key.size() && line.starts_with(key) && line[key.size()] == '=')
            return line.substr(key.size() + 1);
    }
    return std::nullopt;
}

}  // namespace

std::optional<HidIds> parseHidId(std::string_view uevent) {
    // bus:vendor:product, each field eight hex digits at most
    const auto line = ueventValue(uevent, "HID_ID");
    if (!line) return std::nullopt;
    const size_t first = line->find(':');
    const size_t second = line->find(':', first == std::string_view::npos ? first : first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const auto vendor = parseHex(line->substr(first + 1, second - first - 1), 8);
    const auto product = parseHex(line->substr(second + 1), 8);
    if (!vendor || !product || *vendor > 0xFFFF || *product > 0xFFFF) return std::nullopt;
    return HidIds{static_cast<uint16_t>(*vendor), static_cast<uint16_t>(*product)};
}

std::optional<uint8_t> parsePhysInterfaceNumber(std::string_view uevent) {
    constexpr std::string_view marker = "/input";
    const auto line = ueventValue(uevent, "HID_PHYS");
    if (!line) return std::nullopt;
    const size_t at = line->rfind(marker);
    if (at == std::string_view::npos) return std::nullopt;
    const std::string_view digits = line->substr(at + marker.size());
    if (digits.empty() || digits.size() > 3) return std::nullopt;
    unsigned number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + unsigned(c - '0');
    }
    if (number > 0xFF) return std::nullopt;
    return static_cast<uint8_t>(number);
}

std::optional<uint16_t> parseHexAttribute(std::string_view text) {
    const auto value = parseHex(text, 4);
    if (!value) return std::nullopt;
    return static_cast<uint16_t>(*value);
}

std::optional<HidrawNode> readHidrawNode(const std::string& devnode, const SysfsFolders& folders,
                                         std::string& error) {
    const auto uevent = readText(folders.hidDevice / "uevent");
    const auto ids = uevent ? parseHidId(*uevent) : std::nullopt;
    if (!ids) {
        error = "no HID_ID in " + (folders.hidDevice / "uevent").string();
        return std::nullopt;
    }
    const auto descriptor = readText(folders.hidDevice / "report_descriptor");
    if (!descriptor || descriptor->empty()) {
        error = "no report descriptor in " + folders.hidDevice.string();
        return std::nullopt;
    }
    HidrawNode node;
    node.devnode = devnode;
    node.vendorId = ids->vendorId;
    node.productId = ids->productId;
    node.reportDescriptor.assign(descriptor->begin(), descriptor->end());
    if (!folders.usbInterface.empty()) {
        const auto text = readText(folders.usbInterface / "bInterfaceNumber");
        const auto number = text ? parseHexAttribute(*text) : std::nullopt;
        if (number && *number <= 0xFF) node.interfaceNumber = static_cast<uint8_t>(*number);
    } else {
        node.interfaceNumber = parsePhysInterfaceNumber(*uevent).value_or(0);
    }
    if (!folders.usbDevice.empty()) {
        const auto text = readText(folders.usbDevice / "bcdDevice");
        node.versionNumber = (text ? parseHexAttribute(*text) : std::nullopt).value_or(0);
    }
    return node;
}

}  // namespace viremo::hid
