#include "toolkit/control_factory.h"

#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/color_palette.h"
#include "toolkit/combo.h"
#include "toolkit/edit.h"
#include "toolkit/horizontal_layout.h"
#include "toolkit/label.h"
#include "toolkit/list.h"
#include "toolkit/list_container_element.h"
#include "toolkit/list_label_element.h"
#include "toolkit/menu.h"
#include "toolkit/option.h"
#include "toolkit/progress.h"
#include "toolkit/slider.h"
#include "toolkit/tab_layout.h"
#include "toolkit/text.h"
#include "toolkit/text_util.h"
#include "toolkit/vertical_layout.h"

namespace viremo::toolkit {

namespace {

template <class T>
std::unique_ptr<CControlUI> Make() {
    return std::make_unique<T>();
}

using Maker = std::unique_ptr<CControlUI> (*)();

// By lower-case tag.
const std::map<std::string, Maker, std::less<>>& BuiltIns() {
    static const std::map<std::string, Maker, std::less<>> table = {
        {"control", Make<CControlUI>},
        {"container", Make<CContainerUI>},
        {"horizontallayout", Make<CHorizontalLayoutUI>},
        {"verticallayout", Make<CVerticalLayoutUI>},
        {"tablayout", Make<CTabLayoutUI>},
        {"label", Make<CLabelUI>},
        {"text", Make<CTextUI>},
        {"button", Make<CButtonUI>},
        {"option", Make<COptionUI>},
        {"checkbox", Make<CCheckBoxUI>},
        {"edit", Make<CEditUI>},
        {"combo", Make<CComboUI>},
        {"progress", Make<CProgressUI>},
        {"slider", Make<CSliderUI>},
        {"list", Make<CListUI>},
        {"listlabelelement", Make<CListLabelElementUI>},
        {"listcontainerelement", Make<CListContainerElementUI>},
        {"colorpalette", Make<CColorPaletteUI>},
        {"menu", Make<CMenuUI>},
        {"menuelement", Make<CMenuElementUI>},
    };
    return table;
}

}  // namespace

std::unique_ptr<CControlUI> CreateBuiltInControl(std::string_view tag) {
    auto found = BuiltIns().find(ToLower(tag));
    return found == BuiltIns().end() ? nullptr : found->second();
}

CControlFactory& CControlFactory::Instance() {
    static CControlFactory factory;
    return factory;
}

void CControlFactory::Register(std::string_view name, Creator creator) {
    m_creators[ToLower(name)] = std::move(creator);
}

void CControlFactory::Unregister(std::string_view name) {
    m_creators.erase(ToLower(name));
}

std::unique_ptr<CControlUI> CControlFactory::Create(std::string_view name) const {
    auto found = m_creators.find(ToLower(name));
    return found == m_creators.end() ? nullptr : found->second();
}

}  // namespace viremo::toolkit
