#include "macros/recoil_store.h"

#include <string>

#include "macros/macro_event.h"
#include "macros/text.h"
#include "platform/atomic_file.h"
#include "platform/folder_lock.h"
#include "profiles/json_file.h"

namespace viremo {
namespace {

constexpr int kClickDelay = 10;
constexpr int kMoveDelay = 5;
constexpr uint8_t kLeftButton = 1;

// Sets the four members of an element, keeping any others it has.
void setEvent(Json::Value& element, int type, bool down, int64_t button, int64_t delay) {
    if (!element.isObject()) element = Json::Value(Json::objectValue);
    element["Action"] = std::string(actionText(down));
    element["Button"] = static_cast<Json::Int64>(button);
    element["Delay"] = static_cast<Json::Int64>(delay);
    element["Type"] = type;
}

const Json::Value& elementAt(const Json::Value* events, size_t index) {
    static const Json::Value kNull;
    if (!events || index >= events->size()) return kNull;
    return (*events)[static_cast<Json::ArrayIndex>(index)];
}

bool isDown(const Json::Value& event) {
    return equalsIgnoringAsciiCase(json::stringMember(event, "Action").value_or(""), "down");
}

}  // namespace

bool isGun(int gun) { return gun >= 0 && gun < RecoilStore::kGuns; }
bool isBullet(int bullet) { return bullet >= 0 && bullet < RecoilStore::kBullets; }

RecoilStore::RecoilStore(std::filesystem::path folder, std::filesystem::path factoryFolder)
    : folder_(std::move(folder)), factoryFolder_(std::move(factoryFolder)) {}

std::filesystem::path RecoilStore::gunFileName(int gun) { return "ShootData_" + std::to_string(gun) + ".Shoot"; }
std::filesystem::path RecoilStore::gunFile(int gun) const { return folder_ / gunFileName(gun); }
std::filesystem::path RecoilStore::factoryFile(int gun) const { return factoryFolder_ / gunFileName(gun); }

bool RecoilStore::initialise() const {
    const FolderLock lock(folder_);
    bool complete = true;
    for (int gun = 0; gun < kGuns; ++gun) {
        const json::Document document = json::readDocument(gunFile(gun));
        if (document.state == json::FileState::Read) continue;
        // A broken file is kept before the factory copy replaces it.
        if (document.state == json::FileState::Broken && !keepAsBad(gunFile(gun))) {
            complete = false;
            continue;
        }
        complete = resetGun(gun) && complete;
    }
    return complete;
}

json::Document RecoilStore::readGun(int gun) const {
    if (!isGun(gun)) return {};
    json::Document document = json::readDocument(gunFile(gun));
    if (document.state == json::FileState::Read && !document.root.isObject())
        return {json::FileState::Broken, Json::Value(), gunFile(gun).string() + ": not a recoil file"};
    return document;
}

Bullet RecoilStore::showBullet(int gun, int bullet) const {
    if (!isGun(gun) || !isBullet(bullet)) return {};
    return readBullet(json::readFile(gunFile(gun)), bullet);
}

bool RecoilStore::saveBullet(int gun, int bullet, const Bullet& values) const {
    if (!isGun(gun) || !isBullet(bullet)) return false;
    const FolderLock lock(folder_);
    const auto file = gunFile(gun);
    const json::Document read = readGun(gun);
    // A broken file is kept; the bullet is not written over it.
    if (read.state == json::FileState::Broken) {
        keepAsBad(file);
        return false;
    }
    Json::Value document = read.state == json::FileState::Read ? read.root : Json::Value(Json::objectValue);
    writeBullet(document, bullet, values);
    return json::writeFile(file, document);
}

bool RecoilStore::resetGun(int gun) const {
    const FolderLock lock(folder_);
    return isGun(gun) && copyFileAtomically(factoryFile(gun), gunFile(gun));
}

bool RecoilStore::importGun(int gun, const std::filesystem::path& source) const {
    const FolderLock lock(folder_);
    return isGun(gun) && !source.empty() && copyFileAtomically(source, gunFile(gun));
}

bool RecoilStore::exportGun(int gun, const std::filesystem::path& destination) const {
    return isGun(gun) && !destination.empty() && copyFileAtomically(gunFile(gun), destination);
}

std::vector<EventBlock> RecoilStore::loadBlocks() const {
    std::vector<EventBlock> guns;
    for (int gun = 0; gun < kGuns; ++gun) guns.push_back(packEvents(json::readFile(gunFile(gun))));
    return guns;
}

Bullet readBullet(const Json::Value& document, int bullet) {
    if (!isBullet(bullet)) return {};
    const Json::Value* events = json::arrayMember(document, "Events");
    const size_t first = static_cast<size_t>(bullet) * RecoilStore::kEventsPerBullet;
    const Json::Value& horizontal = elementAt(events, first + 2);
    const Json::Value& vertical = elementAt(events, first + 3);
    return {isDown(horizontal), readEventNumber(horizontal, "Button"), isDown(vertical),
            readEventNumber(vertical, "Button"), readEventNumber(vertical, "Delay")};
}

void writeBullet(Json::Value& document, int bullet, const Bullet& values) {
    if (!isBullet(bullet) || !document.isObject()) return;
    Json::Value& events = document["Events"];
    if (!events.isArray()) events = Json::Value(Json::arrayValue);
    const int64_t horizontal = clampTo(values.horizontal, 0, 255);
    const int64_t vertical = clampTo(values.vertical, 0, 255);
    const int64_t delay = clampTo(values.delay, 0, kMaxDelay);
    const auto first = static_cast<Json::ArrayIndex>(bullet * RecoilStore::kEventsPerBullet);
    // Indexing past the end creates the elements before as nulls.
    setEvent(events[first], macro_type::kMouseButton, true, kLeftButton, kClickDelay);
    setEvent(events[first + 1], macro_type::kMouseButton, false, kLeftButton, 0);
    setEvent(events[first + 2], macro_type::kHorizontalMove, values.leftward, horizontal, kMoveDelay);
    setEvent(events[first + 3], macro_type::kVerticalMove, values.upward, vertical, delay);
    setEvent(events[first + 4], macro_type::kHorizontalMove, values.leftward, 0, 0);
    setEvent(events[first + 5], macro_type::kVerticalMove, values.upward, 0, 0);
}

std::optional<std::vector<uint8_t>> buildRecoilImage(std::span<const EventBlock> guns) { return buildEventImage(guns); }

}  // namespace viremo
