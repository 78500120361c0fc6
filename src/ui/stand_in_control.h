#pragma once
// A toolkit control standing in for one of the program's own classes where
// the real one is not there (the skin preview, tests of the skin): it draws
// and lays out as its toolkit base and answers the program's class name, so
// that class defaults and lookups by class find it as they find the real one.
#include <memory>
#include <string>
#include <string_view>

#include "toolkit/control_factory.h"

namespace viremo::ui {

template <class Base>
class CStandInUI : public Base {
public:
    explicit CStandInUI(std::string_view className) : m_class(className) {}
    std::string_view GetClass() const override { return m_class; }

private:
    std::string m_class;
};

// Registers stand-ins for the program's layout classes that the factory
// does not know yet.
void RegisterControlStandIns(toolkit::CControlFactory& factory = toolkit::CControlFactory::Instance());

}  // namespace viremo::ui
