#pragma once
// Children stacked top to bottom; the vertical twin of CHorizontalLayoutUI.
#include "toolkit/container.h"

namespace viremo::toolkit {

class CVerticalLayoutUI : public CContainerUI {
public:
    std::string_view GetClass() const override;
    void SetPos(const Rect& rect, bool needInvalidate = true) override;
};

}  // namespace viremo::toolkit
