#pragma once
// Recoil patterns of a mouse ("guns"): four files "ShootData_<n>.Shoot" in
// the mouse's data folder, shared by all its profiles, each an "Events"
// array of macro events. A gun is 30 bullets of six events each:
//
//   6b    left button down, delay 10
//   6b+1  left button up, delay 0
//   6b+2  horizontal move by the bullet's distance, delay 5
//   6b+3  vertical move by the bullet's distance, delay = the bullet's delay
//   6b+4  horizontal move by 0, delay 0
//   6b+5  vertical move by 0, delay 0
//
// All numbers are written as integers. Missing gun files are created from
// the factory files of the same name in "DefaultData".
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include <json/value.h>

#include "macros/event_image.h"
#include "profiles/json_file.h"

namespace viremo {

struct Bullet {
    bool leftward = false;  // horizontal "down"; otherwise to the right
    int64_t horizontal = 0;
    bool upward = false;    // vertical "down"; otherwise downwards
    int64_t vertical = 0;
    int64_t delay = 0;

    bool operator==(const Bullet&) const = default;
};

class RecoilStore {
public:
    static constexpr int kGuns = 4;
    static constexpr int kBullets = 30;
    static constexpr int kEventsPerBullet = 6;

    RecoilStore(std::filesystem::path folder, std::filesystem::path factoryFolder);

    static std::filesystem::path gunFileName(int gun);  // "ShootData_<gun>.Shoot"
    std::filesystem::path gunFile(int gun) const;
    std::filesystem::path factoryFile(int gun) const;

    // Every gun file that is missing, empty or not JSON becomes a copy of its
    // factory file, a broken one kept as ".bad" first. False when one of them
    // could not be made.
    bool initialise() const;

    // The gun's file; Broken also when it is not a JSON object.
    json::Document readGun(int gun) const;

    // A missing file, element or member reads as 0 (and not "down").
    Bullet showBullet(int gun, int bullet) const;
    // Distances are clamped to 0..255 and the delay to 0..65535. False for a
    // gun or bullet out of range, when the file is broken (it is kept as
    // ".bad", not written over) or when it cannot be written.
    bool saveBullet(int gun, int bullet, const Bullet& values) const;

    // Copies, unchanged; the gun file is kept when the source cannot be read.
    bool resetGun(int gun) const;
    bool importGun(int gun, const std::filesystem::path& source) const;
    bool exportGun(int gun, const std::filesystem::path& destination) const;

    // The four guns' events, packed; a missing file gives an empty block.
    std::vector<EventBlock> loadBlocks() const;

private:
    std::filesystem::path folder_;
    std::filesystem::path factoryFolder_;
};

bool isGun(int gun);
bool isBullet(int bullet);

// The bullet as a recoil document holds it (elements 6b+2 and 6b+3).
Bullet readBullet(const Json::Value& document, int bullet);
// Writes the bullet's six events into the document's "Events", creating the
// array and null elements before the bullet where needed; distances are
// clamped to 0..255 and the delay to 0..65535. The document must be an object.
void writeBullet(Json::Value& document, int bullet, const Bullet& values);

// The recoil image: the four guns in the event container, without a
// capacity check; nullopt when the files are too large for its 16-bit fields.
std::optional<std::vector<uint8_t>> buildRecoilImage(std::span<const EventBlock> guns);

}  // namespace viremo
