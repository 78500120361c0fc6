#pragma once
// The event list of the macro panel without its controls: one row per event
// (the event object and the text of its delay edit) and the selected row.
// Moving a row rebuilds it from its event, so a delay typed but not saved is
// lost by a move; saving takes the delay edits as the truth.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <json/value.h>

namespace viremo {

struct MacroEventRow {
    Json::Value event;  // null ends the saved "Events" at this row
    std::string delayText;
};

// How a row shows its event: name label (identifier and style) and action
// label (style and text; the distance for moves).
struct MacroEventView {
    std::string_view nameId;
    std::string_view nameStyle;
    std::string_view actionStyle;
    std::string actionText;
};

MacroEventView describeMacroEvent(const Json::Value& event);

class MacroEventList {
public:
    static constexpr size_t kMaxRows = 4000;
    static constexpr int64_t kDefaultFixedDelay = 50;

    // One row per element of the document's "Events".
    void load(const Json::Value& document);
    void clear();

    size_t size() const { return rows_.size(); }
    const MacroEventRow& row(size_t index) const { return rows_.at(index); }
    void setDelayText(size_t index, std::string text) { rows_.at(index).delayText = std::move(text); }

    int selected() const { return selected_; }
    void select(int index) { selected_ = index >= 0 && static_cast<size_t>(index) < rows_.size() ? index : -1; }

    // Each acts on the selected row and returns false when it cannot move.
    bool moveUp();
    bool moveDown();
    bool moveToTop();
    bool moveToBottom();
    bool deleteSelected();
    void deleteAll();

    // Inserts after the selected row (or first when the list is empty) the
    // mouse event of a message and sub-code (see mouse_event_table.h); moves
    // take their distance from `distanceText`, clamped to 0..255. The new row
    // is selected. False at 4000 rows or for an unknown message.
    bool insertMouseAction(int message, int sub, std::string_view distanceText,
                           int64_t fixedDelay = kDefaultFixedDelay);
    // Inserts an event at `index` (recording); false at 4000 rows.
    bool insert(size_t index, Json::Value event);
    // A recorded wait: "Delay" as a decimal string, shown in the delay edit.
    // Rows without an event object are left alone.
    void setDelay(size_t index, int64_t delay);
    // Another key or button for an event; its action and delay stay.
    void setTypeAndButton(size_t index, int type, int button);

    // The "Events" array to save: each row's delay edit read as a number,
    // clamped to 0..65535 and written back as a decimal string into the event
    // and the edit. Stops at the first row without an event.
    Json::Value eventsForSave();

private:
    bool moveSelectedTo(size_t target);
    static MacroEventRow rowFor(Json::Value event);

    std::vector<MacroEventRow> rows_;
    int selected_ = -1;
};

}  // namespace viremo
