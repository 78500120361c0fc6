#pragma once
// The recoil panel of the mouse page ("ShootControlItem", layout
// "XML/CustomControlXML/ShootControl.xml"): four guns of 30 bullets, kept as
// the files "ShootData_<n>.Shoot" in the mouse's data folder (RecoilStore).
// The user picks a gun and a bullet and edits the bullet's two directions,
// two distances and delay; an edit that loses the focus saves the bullet.
// A gun can be reset to its factory pattern, imported, exported, and the
// four guns written to the mouse.
//
// The main window routes the panel's notifications to Notify and handles
// the four buttons: the file dialogs are its, and it calls ResetCurrentGun,
// ImportGun, ExportGun and WriteToMouse, which say on the panel's status
// line when they fail.
#include <filesystem>
#include <optional>
#include <string_view>

#include "devices/protocol/device_result.h"
#include "macros/recoil_store.h"
#include "toolkit/horizontal_layout.h"
#include "toolkit/notify.h"

namespace viremo::toolkit {
class CEditUI;
class COptionUI;
class CPaintManagerUI;
}  // namespace viremo::toolkit

namespace viremo::ui {

// What the panel needs of the mouse: writing the recoil image built from
// the four gun files.
class IRecoilWriter {
public:
    virtual ~IRecoilWriter() = default;
    virtual devices::DeviceResult WriteRecoilData() = 0;
};

class CShootControlUI : public toolkit::CHorizontalLayoutUI {
public:
    static constexpr std::string_view kClassName = "ShootControlUI";
    static constexpr std::string_view kLayout = "XML/CustomControlXML/ShootControl.xml";
    static constexpr std::string_view kFileFilter = "Shoot Files(*.shoot)";
    static constexpr std::string_view kFilePattern = "*.shoot;";

    CShootControlUI();
    std::string_view GetClass() const override { return kClassName; }

    // Builds the inner layout into the panel. False when it cannot be built.
    bool BuildLayout(toolkit::CPaintManagerUI* manager);

    void SetShootFolder(std::filesystem::path folder);
    void SetFactoryShootFolder(std::filesystem::path folder);
    // Finds the controls and makes every gun file that is missing or
    // unreadable a copy of its factory file.
    bool InitShootFiles();

    void SelectGun(int gun);
    void SelectBullet(int bullet);
    void SelectPreviousBullet() { SelectBullet(m_bullet - 1); }
    void SelectNextBullet() { SelectBullet(m_bullet + 1); }
    void ShowBullet(int gun, int bullet);
    void ShowCurrentBullet() { ShowBullet(m_gun, m_bullet); }
    bool SaveBullet(int gun, int bullet);
    bool SaveCurrentBullet() { return SaveBullet(m_gun, m_bullet); }
    void ShowHorizontalDirection();
    void ShowVerticalDirection();

    // Each keeps the gun's pattern when its source cannot be used.
    bool ResetGun(int gun);
    bool ResetCurrentGun() { return ResetGun(m_gun); }
    // Takes only a recoil file (a JSON object with an "Events" array).
    bool ImportGun(const std::filesystem::path& source);
    bool ExportGun(const std::filesystem::path& destination);
    // The four guns' recoil image into the mouse.
    devices::DeviceResult WriteToMouse(IRecoilWriter& mouse);

    // The panel's own notifications (guns, bullets, editors, direction
    // switches); false for any other.
    bool Notify(toolkit::TNotifyUI& msg);

    int CurrentGun() const { return m_gun; }
    int CurrentBullet() const { return m_bullet; }
    // The identifier on the status line; empty when it shows nothing.
    std::string_view Status() const;

private:
    RecoilStore Store() const { return RecoilStore(m_folder, m_factoryFolder); }
    void SetStatus(std::string_view textId);
    void ShowDirection(toolkit::COptionUI* check, std::string_view selectedText, std::string_view otherText);
    toolkit::COptionUI* Option(std::string_view name) const;
    toolkit::CEditUI* Edit(std::string_view name) const;
    toolkit::CControlUI* Find(std::string_view name) const;

    std::filesystem::path m_folder;
    std::filesystem::path m_factoryFolder;
    int m_gun = 0;
    int m_bullet = -1;  // none shown yet
};

}  // namespace viremo::ui
