#include "macros/macro_event_list.h"

#include <string>

#include "macros/key_table.h"
#include "macros/macro_event.h"
#include "macros/mouse_event_table.h"
#include "macros/text.h"
#include "profiles/json_file.h"

namespace viremo {
namespace {

constexpr std::string_view kKeyboardStyle = "macro_label_keyboard_style";
constexpr std::string_view kMouseStyle = "macro_label_mouse_style";
constexpr std::string_view kDownStyle = "macro_label_down_style";
constexpr std::string_view kUpStyle = "macro_label_up_style";
constexpr std::string_view kTextStyle = "macro_label_text_style";

// Mouse event rows 10-13: move left, right, up, down.
constexpr size_t kMoveLeftRow = 10;
constexpr size_t kMoveUpRow = 12;
constexpr size_t kButtonRows = 10;

std::string_view keyNameOf(const MacroEventFields& fields) {
    if (fields.button < 0 || fields.button > 0xFF) return {};
    const auto button = static_cast<uint8_t>(fields.button);
    const auto row = fields.type == macro_type::kModifier ? modifierRowByBit(button) : ordinaryKeyRowByUsage(button);
    return row ? keyTable()[*row].nameId : std::string_view{};
}

std::string_view mouseButtonNameOf(int64_t button) {
    for (size_t row = 0; row < kButtonRows; ++row)
        if (mouseEventTable()[row].button == button) return mouseEventTable()[row].nameId;
    return {};
}

}  // namespace

MacroEventView describeMacroEvent(const Json::Value& event) {
    const MacroEventFields fields = readMacroEvent(event);
    MacroEventView view;
    view.actionStyle = fields.down ? kDownStyle : kUpStyle;
    view.actionText = actionText(fields.down);
    switch (fields.type) {
    case macro_type::kModifier:
    case macro_type::kKey:
        view.nameStyle = kKeyboardStyle;
        view.nameId = keyNameOf(fields);
        return view;
    case macro_type::kHorizontalMove:
    case macro_type::kVerticalMove: {
        const size_t first = fields.type == macro_type::kHorizontalMove ? kMoveLeftRow : kMoveUpRow;
        view.nameStyle = kMouseStyle;
        view.nameId = mouseEventTable()[first + (fields.down ? 0 : 1)].nameId;
        view.actionStyle = kTextStyle;
        view.actionText = std::to_string(fields.button);
        return view;
    }
    case macro_type::kMouseButton:
        view.nameStyle = kMouseStyle;
        view.nameId = mouseButtonNameOf(fields.button);
        return view;
    default:
        view.nameStyle = kMouseStyle;  // types 2 and 3 and the unknown: no name
        return view;
    }
}

MacroEventRow MacroEventList::rowFor(Json::Value event) {
    const int64_t delay = readDelay(event);
    return {std::move(event), std::to_string(delay)};
}

void MacroEventList::load(const Json::Value& document) {
    clear();
    const Json::Value* events = json::arrayMember(document, "Events");
    if (!events) return;
    for (const Json::Value& event : *events) {
        if (rows_.size() >= kMaxRows) break;
        rows_.push_back(rowFor(event));
    }
}

void MacroEventList::clear() {
    rows_.clear();
    selected_ = -1;
}

bool MacroEventList::moveSelectedTo(size_t target) {
    const auto from = static_cast<size_t>(selected_);
    Json::Value event = std::move(rows_[from].event);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(from));
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(target), rowFor(std::move(event)));
    selected_ = static_cast<int>(target);
    return true;
}

bool MacroEventList::moveUp() { return selected_ > 0 && moveSelectedTo(static_cast<size_t>(selected_) - 1); }

bool MacroEventList::moveDown() {
    return selected_ >= 0 && static_cast<size_t>(selected_) + 1 < rows_.size() &&
           moveSelectedTo(static_cast<size_t>(selected_) + 1);
}

bool MacroEventList::moveToTop() { return selected_ > 0 && moveSelectedTo(0); }

bool MacroEventList::moveToBottom() {
    return selected_ >= 0 && static_cast<size_t>(selected_) + 1 < rows_.size() && moveSelectedTo(rows_.size() - 1);
}

bool MacroEventList::deleteSelected() {
    if (selected_ < 0) return false;
    rows_.erase(rows_.begin() + selected_);
    selected_ = -1;
    return true;
}

void MacroEventList::deleteAll() { clear(); }

bool MacroEventList::insertMouseAction(int message, int sub, std::string_view distanceText, int64_t fixedDelay) {
    const auto row = mouseEventRow(message, sub);
    if (!row) return false;
    const MouseEventRow& mouse = mouseEventTable()[*row];
    const bool move = message == kMessageMove;
    const int64_t button = move ? clampTo(readDecimal(distanceText), 0, 255) : mouse.button;
    Json::Value event = makeMacroEvent(mouse.typeAndDown & 0x7F, (mouse.typeAndDown & 0x80) != 0,
                                       static_cast<int>(button), fixedDelay);
    const size_t at = rows_.empty() ? 0 : static_cast<size_t>(selected_ < 0 ? 0 : selected_) + 1;
    if (!insert(at, std::move(event))) return false;
    selected_ = static_cast<int>(at);
    return true;
}

bool MacroEventList::insert(size_t index, Json::Value event) {
    if (rows_.size() >= kMaxRows || index > rows_.size()) return false;
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(index), rowFor(std::move(event)));
    if (selected_ >= static_cast<int>(index)) ++selected_;
    return true;
}

void MacroEventList::setDelay(size_t index, int64_t delay) {
    MacroEventRow& row = rows_.at(index);
    if (!row.event.isObject()) return;
    row.delayText = std::to_string(delay);
    row.event["Delay"] = row.delayText;
}

void MacroEventList::setTypeAndButton(size_t index, int type, int button) {
    MacroEventRow& row = rows_.at(index);
    if (!row.event.isObject()) return;
    row.event["Type"] = type;
    row.event["Button"] = button;
}

Json::Value MacroEventList::eventsForSave() {
    Json::Value events(Json::arrayValue);
    for (auto& row : rows_) {
        if (row.event.isNull()) break;
        if (!row.event.isObject()) row.event = Json::Value(Json::objectValue);
        row.delayText = std::to_string(clampTo(readDecimal(row.delayText), 0, kMaxDelay));
        row.event["Delay"] = row.delayText;
        events.append(row.event);
    }
    return events;
}

}  // namespace viremo
