#pragma once
// A label for running text: wraps at word boundaries, top-left aligned.
#include "toolkit/label.h"

namespace viremo::toolkit {

class CTextUI : public CLabelUI {
public:
    CTextUI();
    std::string_view GetClass() const override;
};

}  // namespace viremo::toolkit
