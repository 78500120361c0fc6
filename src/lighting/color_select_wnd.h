#pragma once
// The colour-picking window ("ColorSelectWnd", layout "PalletDialog"): the
// palette "Pallet", decimal red, green and blue edits, the preview
// "color_show_btn", 20 preset and 20 collected swatches and the multi-colour
// choice "7color". While a collected swatch is selected, the colour picked is
// kept in it and saved at once.
//
// The opener builds it (having given its paint manager the skin's defaults,
// as for every window), sets the DPI, shows the present colour, sets the
// multi-colour availability, centres it and shows it modally. Result 1 is OK:
// GetCurrentColour is then the choice. Results 0 (closed) and 2 (no palette)
// change nothing.
#include <optional>
#include <string_view>

#include "lighting/palette_file.h"
#include "toolkit/window.h"

namespace viremo::toolkit {
class CColorPaletteUI;
class CControlUI;
class COptionUI;
}  // namespace viremo::toolkit

namespace viremo {

class CColorSelectWnd : public toolkit::CWindowWnd, public toolkit::INotifyUI {
public:
    static constexpr std::string_view kClassName = "ColorSelectWnd";
    static constexpr int kResultOk = 1;

    explicit CColorSelectWnd(PaletteFile file = PaletteFile());

    // Builds the layout into a window owned by `owner` and loads the swatches
    // from the palette file. False when the layout cannot be built.
    bool Build(toolkit::CWindowWnd* owner);

    // 48, 72, 96, 120, 144, 168 or 192; any other value is logged and 96 used.
    void SetDpi(int dpi);
    int GetDpi() const { return dpi_; }
    void ShowColour(toolkit::Color colour);
    void SetMultiColourAvailable(bool available);

    toolkit::Color GetCurrentColour() const { return current_; }
    bool GetMultiColour() const { return multiColour_; }
    int GetSelectedPreset() const { return selectedPreset_; }
    int GetSelectedCollected() const { return selectedCollected_; }

    void Notify(toolkit::TNotifyUI& msg) override;
    std::intptr_t HandleMessage(toolkit::Message& msg) override;

private:
    void LoadSwatches();
    PaletteSwatches SwatchesShown() const;
    void FollowCurrentColour();
    void ApplyMultiColour(bool on);
    void ShowComponents(toolkit::Color colour);
    void TakeTypedComponents();
    void PickPreset(int n);
    void PickCollected(int n);
    void Confirm();

    toolkit::COptionUI* Preset(int n) const;
    toolkit::COptionUI* Collected(int n) const;
    toolkit::CControlUI* Find(std::string_view name) const;

    PaletteFile file_;
    toolkit::CColorPaletteUI* palette_ = nullptr;
    int dpi_ = 96;
    toolkit::Color current_ = 0xFF000000;
    bool multiColour_ = false;
    int selectedPreset_ = 4;
    int selectedCollected_ = 0;
};

}  // namespace viremo
