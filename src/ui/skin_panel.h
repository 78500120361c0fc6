#pragma once
// A panel of a device page whose controls come from a layout of their own
// ("SkinPanel" with the attribute "layout", a file relative to the skin
// folder): built when the panel joins its window, unless the page gave it
// children already.
#include <string>

#include "toolkit/vertical_layout.h"

namespace viremo::ui {

class CSkinPanelUI : public toolkit::CVerticalLayoutUI {
public:
    static constexpr std::string_view kClassName = "SkinPanel";
    CSkinPanelUI() = default;
    explicit CSkinPanelUI(std::string layout) : m_layout(std::move(layout)) {}
    std::string_view GetClass() const override { return kClassName; }

    void Init() override;
    void SetAttribute(std::string_view name, std::string_view value) override;

private:
    std::string m_layout;
};

}  // namespace viremo::ui
