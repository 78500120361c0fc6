#include "ui/skin_panel.h"

#include "platform/log.h"
#include "toolkit/dialog_builder.h"

namespace viremo::ui {

void CSkinPanelUI::Init() {
    if (GetCount() > 0 || m_layout.empty()) return;
    toolkit::CDialogBuilder builder;
    if (auto content = builder.Create(m_layout, nullptr, GetManager())) Add(std::move(content));
    else log::linef("panel %s: %s cannot be built", GetName().c_str(), m_layout.c_str());
}

void CSkinPanelUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "layout") m_layout = value;
    else toolkit::CVerticalLayoutUI::SetAttribute(name, value);
}

}  // namespace viremo::ui
