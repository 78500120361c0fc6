#include "devices/mouse/mouse_buttons.h"

#include <algorithm>

namespace viremo::devices::mouse {

ButtonMap buildButtonMap(std::span<const uint8_t> table) {
    ButtonMap map;
    map.fill(kNoButton);
    const size_t buttons = std::min<size_t>(table.size() / 3, kNoButton);
    for (size_t position = 0; position < map.size(); ++position) {
        for (size_t button = 0; button < buttons; ++button) {
            if (std::equal(kStandardButtons[position].begin(), kStandardButtons[position].end(),
                           table.begin() + std::ptrdiff_t(button * 3))) {
                map[position] = uint8_t(button);
                break;
            }
        }
    }
    return map;
}

}  // namespace viremo::devices::mouse
