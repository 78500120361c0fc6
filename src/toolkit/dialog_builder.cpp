#include "toolkit/dialog_builder.h"

#include <pugixml.hpp>

#include <algorithm>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/log.h"
#include "toolkit/container.h"
#include "toolkit/control_factory.h"
#include "toolkit/image_description.h"
#include "toolkit/paint_manager.h"
#include "toolkit/text_util.h"

namespace viremo::toolkit {

namespace {

constexpr int kMaxIncludeDepth = 16;

// One layout text and where it came from, for messages.
struct Source {
    std::string name;
    std::string text;
};

int LineOf(const std::string& text, std::ptrdiff_t offset) {
    offset = std::clamp<std::ptrdiff_t>(offset, 0, static_cast<std::ptrdiff_t>(text.size()));
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + offset, '\n'));
}

// before + 'name' + after, built by appending (g++ 12 warns wrongly on the
// chain of operator+).
std::string Quoted(std::string_view before, std::string_view name, std::string_view after) {
    std::string text(before);
    text += '\'';
    text += name;
    text += '\'';
    text += after;
    return text;
}

std::optional<std::filesystem::path> ResolveLayout(std::string_view layout) {
    std::filesystem::path path(layout);
    std::error_code error;
    if (path.is_absolute()) {
        if (std::filesystem::is_regular_file(path, error)) return path;
    } else {
        std::filesystem::path inSkin = CPaintManagerUI::GetResourcePath() / path;
        if (std::filesystem::is_regular_file(inSkin, error)) return inSkin;
    }
    return CDialogBuilder::FindResource(layout);
}

class TreeBuilder {
public:
    TreeBuilder(IDialogBuilderCallback* callback, CPaintManagerUI* manager, std::string& error)
        : m_callback(callback), m_manager(manager), m_error(error) {}

    std::unique_ptr<CControlUI> BuildLayout(std::string_view layout, int depth) {
        Source source;
        if (!Load(layout, source)) return nullptr;
        return BuildSource(source, depth);
    }

private:
    bool Load(std::string_view layout, Source& source) {
        std::string_view trimmed = Trim(layout);
        if (!trimmed.empty() && trimmed.front() == '<') {
            source.name = "(layout text)";
            source.text = std::string(layout);
            return true;
        }
        auto path = ResolveLayout(trimmed);
        if (!path) return Fail(std::string(trimmed), 0, "layout not found");
        source.name = path->string();
        auto text = readWholeFile(*path);
        if (!text) return Fail(source.name, 0, "cannot be read");
        source.text = std::move(*text);
        return true;
    }

    std::unique_ptr<CControlUI> BuildSource(const Source& source, int depth) {
        pugi::xml_document document;
        pugi::xml_parse_result parsed = document.load_buffer(source.text.data(), source.text.size());
        if (!parsed) {
            Fail(source.name, LineOf(source.text, parsed.offset), parsed.description());
            return nullptr;
        }
        pugi::xml_node root = document.document_element();
        if (EqualsNoCase(root.name(), "Window")) return BuildWindow(source, root, depth);
        return BuildControl(source, root, depth);
    }

    std::unique_ptr<CControlUI> BuildWindow(const Source& source, pugi::xml_node window, int depth) {
        if (m_manager) {
            for (pugi::xml_attribute a : window.attributes()) {
                std::string_view name = a.name();
                if (name == "size") m_manager->SetInitSize(ParseSize(a.value()));
                else if (name == "caption") m_manager->SetCaptionRect(ParseRect(a.value()));
            }
        }
        std::unique_ptr<CControlUI> root;
        for (pugi::xml_node child : window.children()) {
            if (child.type() != pugi::node_element) continue;
            std::string_view tag = child.name();
            if (EqualsNoCase(tag, "Font")) AddFont(child);
            else if (EqualsNoCase(tag, "Default")) {
                if (m_manager) m_manager->AddDefaultAttributeList(child.attribute("name").value(), child.attribute("value").value());
            } else if (EqualsNoCase(tag, "Style")) {
                if (m_manager) m_manager->AddStyle(child.attribute("name").value(), child.attribute("value").value());
            } else if (root) {
                Fail(source.name, LineOf(source.text, child.offset_debug()), "a window has one root control");
                return nullptr;
            } else {
                root = BuildControl(source, child, depth);
                if (!root) return nullptr;
            }
        }
        if (!root) Fail(source.name, LineOf(source.text, window.offset_debug()), "window without a root control");
        return root;
    }

    static void AddFont(pugi::xml_node font) {
        FontInfo info;
        info.family = font.attribute("name").value();
        info.size = font.attribute("size").as_int(12);
        info.bold = ParseBool(font.attribute("bold").value());
        info.underline = ParseBool(font.attribute("underline").value());
        info.italic = ParseBool(font.attribute("italic").value());
        CPaintManagerUI::AddFont(font.attribute("id").as_int(-1), info);
        if (ParseBool(font.attribute("default").value())) CPaintManagerUI::AddFont(-1, info);
    }

    std::unique_ptr<CControlUI> CreateFor(std::string_view tag) {
        if (m_callback) {
            if (auto control = m_callback->CreateControl(tag)) return control;
        }
        if (auto control = CreateBuiltInControl(tag)) return control;
        return CControlFactory::Instance().Create(tag);
    }

    void ApplyAttributes(CControlUI& control, pugi::xml_node node) {
        if (m_manager) {
            if (const std::string* defaults = m_manager->GetDefaultAttributeList(control.GetClass()))
                control.ApplyAttributeList(*defaults);
        }
        for (pugi::xml_attribute a : node.attributes()) {
            std::string_view name = a.name();
            if (name == "style") {
                const std::string* style = m_manager ? m_manager->GetStyle(a.value()) : nullptr;
                if (style) control.ApplyAttributeList(*style);
                else log::linef("style '%s' is not defined", a.value());
            } else {
                control.SetAttribute(name, a.value());
            }
        }
    }

    std::unique_ptr<CControlUI> BuildControl(const Source& source, pugi::xml_node node, int depth) {
        std::string_view tag = node.name();
        if (EqualsNoCase(tag, "Include")) return BuildInclude(source, node, depth);
        std::unique_ptr<CControlUI> control = CreateFor(tag);
        if (!control) {
            Fail(source.name, LineOf(source.text, node.offset_debug()), Quoted("unknown control ", tag, ""));
            return nullptr;
        }
        ApplyAttributes(*control, node);
        auto* container = dynamic_cast<CContainerUI*>(control.get());
        for (pugi::xml_node child : node.children()) {
            if (child.type() != pugi::node_element) continue;
            if (!container) {
                Fail(source.name, LineOf(source.text, child.offset_debug()), Quoted("", tag, " cannot hold controls"));
                return nullptr;
            }
            if (!AddChildren(*container, source, child, depth)) return nullptr;
        }
        return control;
    }

    // An Include inside a container adds its tree count times.
    bool AddChildren(CContainerUI& container, const Source& source, pugi::xml_node child, int depth) {
        int count = EqualsNoCase(child.name(), "Include") ? std::max(1, child.attribute("count").as_int(1)) : 1;
        for (int i = 0; i < count; ++i) {
            std::unique_ptr<CControlUI> built = BuildControl(source, child, depth);
            if (!built) return false;
            container.Add(std::move(built));
        }
        return true;
    }

    std::unique_ptr<CControlUI> BuildInclude(const Source& source, pugi::xml_node node, int depth) {
        if (depth >= kMaxIncludeDepth) {
            Fail(source.name, LineOf(source.text, node.offset_debug()), "includes nest too deep");
            return nullptr;
        }
        std::string_view included = node.attribute("source").value();
        if (included.empty()) {
            Fail(source.name, LineOf(source.text, node.offset_debug()), "Include without source");
            return nullptr;
        }
        return BuildLayout(included, depth + 1);
    }

    bool Fail(const std::string& name, int line, const std::string& message) {
        m_error = name + ":" + std::to_string(line) + ": " + message;
        log::line(m_error);
        return false;
    }

    IDialogBuilderCallback* m_callback;
    CPaintManagerUI* m_manager;
    std::string& m_error;
};

}  // namespace

std::unique_ptr<CControlUI> CDialogBuilder::Create(std::string_view layout, IDialogBuilderCallback* callback,
                                                   CPaintManagerUI* manager) {
    m_error.clear();
    TreeBuilder builder(callback, manager, m_error);
    return builder.BuildLayout(layout, 0);
}

std::optional<std::filesystem::path> CDialogBuilder::FindResource(std::string_view name) {
    std::filesystem::path index = CPaintManagerUI::GetResourcePath() / "res.xml";
    auto text = readWholeFile(index);
    if (!text) return std::nullopt;
    pugi::xml_document document;
    if (!document.load_buffer(text->data(), text->size())) return std::nullopt;
    for (pugi::xml_node entry : document.document_element().children()) {
        if (EqualsNoCase(entry.name(), "Resource") && name == entry.attribute("name").value()) {
            std::filesystem::path file(entry.attribute("file").value());
            return file.is_absolute() ? file : CPaintManagerUI::GetResourcePath() / file;
        }
    }
    return std::nullopt;
}

}  // namespace viremo::toolkit
