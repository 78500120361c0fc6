#include "emulator/keyboard_macro_image.h"

#include "emulator/little_endian.h"

namespace viremo::emulator {

namespace {

constexpr uint16_t kImageMark = 0x55AA;
constexpr size_t kHeaderLength = 16;
constexpr size_t kOffsetLength = 2;
constexpr size_t kBlockHeaderLength = 4;
constexpr size_t kEventLength = 4;
constexpr uint8_t kPressBit = 0x80;

MacroEvent eventAt(std::span<const uint8_t> bytes, size_t offset) {
    MacroEvent event;
    event.delay = wordAt(bytes, offset);
    event.type = uint8_t(bytes[offset + 2] & ~kPressBit);
    event.pressed = (bytes[offset + 2] & kPressBit) != 0;
    event.button = bytes[offset + 3];
    return event;
}

std::optional<std::vector<MacroEvents>> refuse(std::string* why, const std::string& reason) {
    if (why) *why = reason;
    return std::nullopt;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const MacroEvent& event) {
    return out << "{delay " << event.delay << ", type " << int(event.type)
               << (event.pressed ? ", press" : ", release") << ", button " << int(event.button) << "}";
}

std::optional<std::vector<MacroEvents>> decodeMacroImage(std::span<const uint8_t> memory, std::string* why) {
    if (memory.size() < kHeaderLength) return refuse(why, "memory smaller than the image header");
    if (wordAt(memory, 0) != kImageMark) return refuse(why, "no image mark 0x55AA");
    const size_t size = wordAt(memory, 2);
    const size_t count = wordAt(memory, 4);
    if (size > memory.size()) return refuse(why, "image size " + std::to_string(size) + " beyond the memory");
    const auto image = memory.first(size);
    if (kHeaderLength + kOffsetLength * count > size) return refuse(why, "offset table leaves the image");

    std::vector<MacroEvents> macros;
    for (size_t i = 0; i < count; ++i) {
        const size_t block = wordAt(image, kHeaderLength + kOffsetLength * i);
        const std::string which = "macro " + std::to_string(i);
        if (block + kBlockHeaderLength > size) return refuse(why, which + ": block leaves the image");
        const size_t events = wordAt(image, block);
        if (block + kBlockHeaderLength + kEventLength * events > size)
            return refuse(why, which + ": events leave the image");
        MacroEvents macro;
        for (size_t e = 0; e < events; ++e)
            macro.push_back(eventAt(image, block + kBlockHeaderLength + kEventLength * e));
        macros.push_back(std::move(macro));
    }
    return macros;
}

}  // namespace viremo::emulator
