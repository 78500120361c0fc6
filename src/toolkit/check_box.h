#pragma once
// An option without a group: each activation toggles it.
#include "toolkit/option.h"

namespace viremo::toolkit {

class CCheckBoxUI : public COptionUI {
public:
    std::string_view GetClass() const override;
    bool GetCheck() const { return IsSelected(); }
    void SetCheck(bool checked, bool notify = false) { Selected(checked, notify); }
};

}  // namespace viremo::toolkit
