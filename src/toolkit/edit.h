#pragma once
// A one-line text field. While focused, the host lays a native line edit
// over it (IWindowHost::ShowEditOverlay) and reports what the user typed
// through ApplyNativeText; headless, Char and Backspace events type at the
// end of the text. Typing sends "textchanged", Return sends "return"; the
// paint manager sends "setfocus" and "killfocus". SetText from the program
// sends nothing.
#include "toolkit/label.h"

namespace viremo::toolkit {

class CEditUI : public CLabelUI {
public:
    CEditUI();
    std::string_view GetClass() const override;

    int GetMaxChar() const { return m_iMaxChar; }
    void SetMaxChar(int count);
    bool IsNumberOnly() const { return m_bNumberOnly; }
    void SetNumberOnly(bool numberOnly) { m_bNumberOnly = numberOnly; }
    bool IsReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(bool readOnly);
    bool IsPasswordMode() const { return m_bPasswordMode; }
    void SetPasswordMode(bool password) { m_bPasswordMode = password; Invalidate(); }
    Color GetNativeEditBkColor() const { return m_dwEditBkColor; }

    // Text typed in the native edit: filtered (digits only when number-only,
    // at most the maximum of characters) and, when it differs, stored with
    // "textchanged". Returns the text kept, for the host to show.
    std::string ApplyNativeText(std::string_view typed);

    void DoEvent(TEventUI& event) override;
    void PaintStatusImage(IRenderer& renderer) override;
    void SetAttribute(std::string_view name, std::string_view value) override;

protected:
    std::string TextToPaint() const override;

private:
    std::string Filter(std::string_view typed) const;

    int m_iMaxChar = 255;
    bool m_bNumberOnly = false;
    bool m_bReadOnly = false;
    bool m_bPasswordMode = false;
    Color m_dwEditBkColor = 0xFFFFFFFF;
    std::string m_sNormalImage;
    std::string m_sHotImage;
    std::string m_sFocusedImage;
    std::string m_sDisabledImage;
};

}  // namespace viremo::toolkit
