#pragma once
// Children side by side, left to right. Children with a fixed width keep it;
// the rest share what is left (within their min and max). Heights are the
// child's fixed height, else the full inner height.
#include "toolkit/container.h"

namespace viremo::toolkit {

class CHorizontalLayoutUI : public CContainerUI {
public:
    std::string_view GetClass() const override;
    void SetPos(const Rect& rect, bool needInvalidate = true) override;
};

}  // namespace viremo::toolkit
