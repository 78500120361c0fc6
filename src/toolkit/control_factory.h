#pragma once
// Creates controls by class name: the built-in classes, and the classes the
// program registers (its own controls, by the names its layouts use). Names
// are compared without regard to case.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "toolkit/control.h"

namespace viremo::toolkit {

// A built-in control for the tag ("Button", "VerticalLayout", ...), or null.
std::unique_ptr<CControlUI> CreateBuiltInControl(std::string_view tag);

class CControlFactory {
public:
    using Creator = std::function<std::unique_ptr<CControlUI>()>;

    static CControlFactory& Instance();

    void Register(std::string_view name, Creator creator);
    void Unregister(std::string_view name);
    std::unique_ptr<CControlUI> Create(std::string_view name) const;

private:
    std::map<std::string, Creator, std::less<>> m_creators;  // by lower-case name
};

}  // namespace viremo::toolkit
