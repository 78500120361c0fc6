#include "ui/skin_defaults.h"

#include <pugixml.hpp>

#include "platform/atomic_file.h"
#include "platform/log.h"
#include "toolkit/paint_manager.h"

namespace viremo::ui {

bool ApplySkinDefaults(toolkit::CPaintManagerUI& manager, const std::filesystem::path& skinFolder) {
    const std::filesystem::path index = skinFolder / "res.xml";
    const auto text = readWholeFile(index);
    pugi::xml_document document;
    if (!text || !document.load_buffer(text->data(), text->size())) {
        log::linef("skin index %s cannot be read", index.string().c_str());
        return false;
    }
    for (pugi::xml_node entry : document.document_element().children()) {
        const std::string_view tag = entry.name();
        const char* name = entry.attribute("name").value();
        const char* value = entry.attribute("value").value();
        if (tag == "Default") manager.AddDefaultAttributeList(name, value);
        else if (tag == "Style") manager.AddStyle(name, value);
    }
    return true;
}

}  // namespace viremo::ui
