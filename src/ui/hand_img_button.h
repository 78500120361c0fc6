#pragma once
// A button that shows a picture over its status image ("HandImgButton"),
// given as an image description ("handimage"): a skin file or a picture of
// the user's by its absolute path. It tells when the pointer enters and
// leaves ("msenter", "msleave").
#include <string>

#include "toolkit/button.h"

namespace viremo::ui {

class CHandImgButtonUI : public toolkit::CButtonUI {
public:
    static constexpr std::string_view kClassName = "HandImgButton";
    std::string_view GetClass() const override { return kClassName; }

    const std::string& GetHandImage() const { return m_handImage; }
    void SetHandImage(std::string image);

    void DoEvent(toolkit::TEventUI& event) override;
    void PaintStatusImage(toolkit::IRenderer& renderer) override;
    void SetAttribute(std::string_view name, std::string_view value) override;

private:
    std::string m_handImage;
};

}  // namespace viremo::ui
