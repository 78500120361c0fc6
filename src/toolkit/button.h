#pragma once
// A push button: hot while the pointer is over it, pushed while a press
// that began on it is held over it; released over it, it activates and
// sends "click". Return or space activates a focused button too.
#include "toolkit/label.h"
#include "toolkit/state_images.h"

namespace viremo::toolkit {

class CButtonUI : public CLabelUI {
public:
    CButtonUI();
    std::string_view GetClass() const override;

    const std::string& GetNormalImage() const { return m_images.normal; }
    void SetNormalImage(std::string image);
    const std::string& GetHotImage() const { return m_images.hot; }
    void SetHotImage(std::string image);
    const std::string& GetPushedImage() const { return m_images.pushed; }
    void SetPushedImage(std::string image);
    const std::string& GetFocusedImage() const { return m_images.focused; }
    void SetFocusedImage(std::string image);
    const std::string& GetDisabledImage() const { return m_images.disabled; }
    void SetDisabledImage(std::string image);
    void SetHotTextColor(Color color) { m_dwHotTextColor = color; }
    void SetPushedTextColor(Color color) { m_dwPushedTextColor = color; }
    void SetFocusedTextColor(Color color) { m_dwFocusedTextColor = color; }
    void SetHotBkColor(Color color) { m_dwHotBkColor = color; }

    bool Activate() override;
    void DoEvent(TEventUI& event) override;
    void PaintBkColor(IRenderer& renderer) override;
    void PaintStatusImage(IRenderer& renderer) override;
    void SetAttribute(std::string_view name, std::string_view value) override;

protected:
    Color CurrentTextColor() const override;

    StateImages m_images;
    Color m_dwHotTextColor = 0;
    Color m_dwPushedTextColor = 0;
    Color m_dwFocusedTextColor = 0;
    Color m_dwHotBkColor = 0;
};

}  // namespace viremo::toolkit
