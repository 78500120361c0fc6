#include "lighting/color_select_wnd.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "platform/log.h"
#include "toolkit/color_palette.h"
#include "toolkit/dialog_builder.h"
#include "toolkit/image_description.h"
#include "toolkit/option.h"

namespace viremo {

using toolkit::Color;
using toolkit::COptionUI;

namespace {

constexpr std::string_view kLayout = "PalletDialog";
constexpr std::string_view kPresetPrefix = "color_option_";
constexpr std::string_view kCollectedPrefix = "collect_color_option_";
constexpr std::string_view kMultiColourImage = "common/base1.png";
constexpr std::array kAcceptedDpi = {48, 72, 96, 120, 144, 168, 192};
constexpr std::array<std::string_view, 3> kComponentEdits = {"color_edit_r", "color_edit_g", "color_edit_b"};
constexpr int kComponentShifts[] = {16, 8, 0};

// The swatch number of a control named prefix + 0-19.
std::optional<int> swatchNumber(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) return std::nullopt;
    const std::string_view digits = name.substr(prefix.size());
    int n = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error != std::errc() || end != digits.data() + digits.size() || n < 0 || n >= kSwatchCount)
        return std::nullopt;
    return n;
}

void paintSwatch(COptionUI& swatch, Color colour) {
    swatch.SetBkColor(colour);
    swatch.SetSelectedBkColor(colour);
}

}  // namespace

CColorSelectWnd::CColorSelectWnd(PaletteFile file) : file_(std::move(file)) {}

bool CColorSelectWnd::Build(toolkit::CWindowWnd* owner) {
    toolkit::CDialogBuilder builder;
    auto root = builder.Create(kLayout, nullptr, &m_pm);
    if (!root) return false;
    const toolkit::Size size = m_pm.GetInitSize();
    Create({toolkit::WindowKind::Normal, owner, std::string(kClassName), {0, 0, size.cx, size.cy}});
    m_pm.AttachDialog(std::move(root));
    m_pm.AddNotifier(this);
    palette_ = dynamic_cast<toolkit::CColorPaletteUI*>(Find("Pallet"));
    LoadSwatches();
    return true;
}

void CColorSelectWnd::SetDpi(int dpi) {
    if (std::find(kAcceptedDpi.begin(), kAcceptedDpi.end(), dpi) == kAcceptedDpi.end()) {
        log::line("SET_WND DPI SET ERROR");
        dpi = 96;
    }
    dpi_ = dpi;
    ApplyDpi(dpi);
}

void CColorSelectWnd::ShowColour(Color colour) {
    if (auto* preview = Find("color_show_btn")) {
        preview->SetBkImage("");
        preview->SetBkColor(colour);
    }
    if (palette_) palette_->SetSelectColor(colour);
    current_ = colour;
    ShowComponents(colour);
}

void CColorSelectWnd::SetMultiColourAvailable(bool available) {
    if (auto* choice = dynamic_cast<COptionUI*>(Find("7color"))) {
        choice->SetEnabled(available);
        if (!available) choice->Selected(false, false);
    }
    if (auto* layout = Find("7color_layout")) layout->SetVisible(available);
}

void CColorSelectWnd::Notify(toolkit::TNotifyUI& msg) {
    if (!msg.pSender) return;
    const std::string& name = msg.pSender->GetName();
    if (msg.sType == toolkit::notify::kColorChanged && msg.pSender == palette_) {
        current_ = palette_->GetSelectColor();
        FollowCurrentColour();
        ShowComponents(current_);
    } else if (msg.sType == toolkit::notify::kTextChanged &&
               std::find(kComponentEdits.begin(), kComponentEdits.end(), name) != kComponentEdits.end()) {
        TakeTypedComponents();
    } else if (msg.sType == toolkit::notify::kSelectChanged && name == "7color") {
        ApplyMultiColour(static_cast<COptionUI*>(msg.pSender)->IsSelected());
    } else if (msg.sType == toolkit::notify::kClick) {
        if (const auto n = swatchNumber(name, kPresetPrefix)) {
            PickPreset(*n);
        } else if (const auto m = swatchNumber(name, kCollectedPrefix)) {
            PickCollected(*m);
        } else if (name == "okbtn") {
            Confirm();
        } else if (name == "closebtn" || name == "laterbtn") {
            Close(0);
        }
    }
}

std::intptr_t CColorSelectWnd::HandleMessage(toolkit::Message& msg) {
    if (msg.id == toolkit::kMsgClose) {
        Close(0);
        return 0;
    }
    return CWindowWnd::HandleMessage(msg);
}

void CColorSelectWnd::LoadSwatches() {
    const PaletteSwatches loaded = file_.Load(SwatchesShown());
    selectedPreset_ = loaded.selectedPreset;
    selectedCollected_ = loaded.selectedCollected;
    for (int n = 0; n < kSwatchCount; ++n) {
        COptionUI* swatch = Collected(n);
        if (!swatch) continue;
        const CollectedSwatch& stored = loaded.collected[size_t(n)];
        paintSwatch(*swatch, stored.colour);
        swatch->SetUserData(stored.userData);
        if (stored.HoldsColour()) swatch->SetBorderSize(0);
    }
    ApplyMultiColour(multiColour_);
}

PaletteSwatches CColorSelectWnd::SwatchesShown() const {
    PaletteSwatches swatches;
    for (int n = 0; n < kSwatchCount; ++n) {
        if (const COptionUI* preset = Preset(n)) swatches.presets[size_t(n)] = preset->GetBkColor();
        if (const COptionUI* collected = Collected(n))
            swatches.collected[size_t(n)] = {collected->GetBkColor(), collected->GetUserData()};
    }
    swatches.selectedPreset = selectedPreset_;
    swatches.selectedCollected = selectedCollected_;
    return swatches;
}

void CColorSelectWnd::FollowCurrentColour() {
    if (COptionUI* swatch = Collected(selectedCollected_); swatch && swatch->IsSelected()) {
        paintSwatch(*swatch, current_);
        swatch->SetUserData("1");
        swatch->SetBorderSize(0);
        file_.SaveCollected(SwatchesShown());
    }
    if (auto* preview = Find("color_show_btn")) preview->SetBkColor(current_);
    ApplyMultiColour(false);
}

void CColorSelectWnd::ApplyMultiColour(bool on) {
    multiColour_ = on;
    if (auto* choice = dynamic_cast<COptionUI*>(Find("7color"))) choice->Selected(on, false);
    if (auto* preview = Find("color_show_btn")) preview->SetBkImage(on ? std::string(kMultiColourImage) : std::string());
}

void CColorSelectWnd::ShowComponents(Color colour) {
    for (size_t i = 0; i < kComponentEdits.size(); ++i) {
        if (auto* edit = Find(kComponentEdits[i]))
            edit->SetText(std::to_string((colour >> kComponentShifts[i]) & 0xFF));
    }
}

void CColorSelectWnd::TakeTypedComponents() {
    Color colour = 0xFF000000;
    for (size_t i = 0; i < kComponentEdits.size(); ++i) {
        auto* edit = Find(kComponentEdits[i]);
        if (!edit) continue;
        const std::string& text = edit->GetText();
        const int typed = toolkit::ParseInt(text);
        const int value = std::clamp(typed, 0, 255);
        if (text.empty() || value != typed) edit->SetText(std::to_string(value));
        colour |= Color(value) << kComponentShifts[i];
    }
    current_ = colour;
    if (palette_) palette_->SetSelectColor(current_);
    FollowCurrentColour();
}

void CColorSelectWnd::PickPreset(int n) {
    selectedPreset_ = n;
    file_.SavePresets(SwatchesShown());
    const COptionUI* swatch = Preset(n);
    if (!swatch) return;
    current_ = swatch->GetBkColor();
    if (palette_) palette_->SetSelectColor(current_);
    FollowCurrentColour();
    ShowComponents(current_);
}

void CColorSelectWnd::PickCollected(int n) {
    selectedCollected_ = n;
    const COptionUI* swatch = Collected(n);
    if (!swatch || !CollectedSwatch{swatch->GetBkColor(), swatch->GetUserData()}.HoldsColour()) return;
    file_.SaveCollected(SwatchesShown());
    const Color colour = swatch->GetBkColor();
    if (auto* preview = Find("color_show_btn")) preview->SetBkColor(colour);
    ApplyMultiColour(false);
    if (palette_) palette_->SetSelectColor(colour);
    ShowComponents(colour);
}

void CColorSelectWnd::Confirm() {
    if (!palette_) {
        Close(2);
        return;
    }
    if (auto* preview = Find("color_show_btn")) current_ = preview->GetBkColor();
    Close(kResultOk);
}

COptionUI* CColorSelectWnd::Preset(int n) const {
    return dynamic_cast<COptionUI*>(Find(std::string(kPresetPrefix) + std::to_string(n)));
}

COptionUI* CColorSelectWnd::Collected(int n) const {
    return dynamic_cast<COptionUI*>(Find(std::string(kCollectedPrefix) + std::to_string(n)));
}

toolkit::CControlUI* CColorSelectWnd::Find(std::string_view name) const {
    return m_pm.FindControl(name);
}

}  // namespace viremo
