#pragma once
// Builds a control tree from a layout file of the skin (see README.md for
// the XML dialect). Each tag is resolved by (1) the caller's callback, (2)
// the built-in classes, (3) the control factory. A malformed file, a tag
// nothing knows, or a control that cannot hold children given to it makes
// Create return null; the reason, with file and line, is logged and kept in
// GetLastError.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/control.h"

namespace viremo::toolkit {

class CPaintManagerUI;

class IDialogBuilderCallback {
public:
    virtual ~IDialogBuilderCallback() = default;
    // A control for the tag, or null to leave it to the built-in classes and
    // the factory. Tags should be compared without regard to case.
    virtual std::unique_ptr<CControlUI> CreateControl(std::string_view tag) = 0;
};

class CDialogBuilder {
public:
    // layout: the XML text itself (starting with '<'), a file (absolute or
    // relative to the skin folder), or a resource name from the skin's
    // "res.xml". Fonts, default attributes and styles of the file go to the
    // manager (fonts are shared by all windows).
    std::unique_ptr<CControlUI> Create(std::string_view layout, IDialogBuilderCallback* callback = nullptr,
                                       CPaintManagerUI* manager = nullptr);
    const std::string& GetLastError() const { return m_error; }

    // The file a resource name stands for in the skin's "res.xml".
    static std::optional<std::filesystem::path> FindResource(std::string_view name);

private:
    std::string m_error;
};

}  // namespace viremo::toolkit
