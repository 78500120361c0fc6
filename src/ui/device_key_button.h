#pragma once
// One key or light of a device picture ("DeviceKeyButton"): a button that
// also draws the light's colour over its cap (the "lightimage" tinted in the
// colour at the level) and, for a key whose assignment differs from the
// default, the "keysetimage" mark. The selection panel around it marks the
// keys a rubber band touched.
#include <string>

#include "toolkit/button.h"
#include "ui/light_button.h"

namespace viremo::ui {

class CDeviceKeyButtonUI : public toolkit::CButtonUI, public ILightButton {
public:
    static constexpr std::string_view kClassName = "DeviceKeyButton";
    std::string_view GetClass() const override { return kClassName; }

    // Stores the three values; drawing happens at the next paint. Called at
    // every lighting tick, so it allocates nothing.
    void SetLight(toolkit::Color colour, int level, bool shown) override;
    toolkit::Color GetLightColour() const { return m_lightColour; }
    int GetLightLevel() const { return m_lightLevel; }
    bool IsLightShown() const { return m_lightShown; }

    void SetKeySetMarkHidden(int hidden);
    int GetKeySetMarkHidden() const { return m_keySetMarkHidden; }
    int GetSelectMark() const { return m_selectMark; }
    void SetSelectMark(int mark);

    void DoEvent(toolkit::TEventUI& event) override;
    void PaintStatusImage(toolkit::IRenderer& renderer) override;
    void SetAttribute(std::string_view name, std::string_view value) override;

private:
    std::string m_lightImage;
    std::string m_keySetImage;
    bool m_lightShown = false;
    toolkit::Color m_lightColour = 255;
    int m_lightLevel = 200;
    int m_keySetMarkHidden = 1;
    int m_selectMark = 0;
};

}  // namespace viremo::ui
