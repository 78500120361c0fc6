// viremoctl recoil: the recoil patterns ("guns") of the mouse.
//
//   recoil show <gun>      the 30 bullets (0-29) of gun 0-3
//
// A gun whose file does not exist yet shows its factory pattern.
#include <cstdio>
#include <string>

#include "command.h"
#include "macros/recoil_store.h"
#include "macros/text.h"
#include "platform/folders.h"
#include "profiles/json_file.h"

namespace viremoctl {
namespace {

Json::Value bulletJson(int index, const viremo::Bullet& bullet) {
    Json::Value row(Json::objectValue);
    row["bullet"] = index;
    row["horizontal"] = bullet.leftward ? "left" : "right";
    row["horizontalDistance"] = Json::Int64(bullet.horizontal);
    row["vertical"] = bullet.upward ? "up" : "down";
    row["verticalDistance"] = Json::Int64(bullet.vertical);
    row["delay"] = Json::Int64(bullet.delay);
    return row;
}

}  // namespace

int runRecoil(const Options& options, Arguments arguments) {
    if (arguments.size() != 2 || arguments[0] != "show") return fail("usage: recoil show <gun 0-3>");
    const std::string& word = arguments[1];
    const bool digits = !word.empty() && word.find_first_not_of("0123456789") == std::string::npos;
    const int gun = digits && word.size() < 3 ? int(viremo::readDecimal(word)) : -1;
    if (!viremo::isGun(gun)) return fail("recoil: no gun '" + word + "' (0 to 3)");

    const auto factory = viremo::folders::defaultData();
    viremo::RecoilStore store(viremo::folders::deviceData("mouse"), factory);
    const auto file = store.readGun(gun);
    if (file.state == viremo::json::FileState::Broken) return fail("cannot read " + file.problem);
    const bool saved = file.state == viremo::json::FileState::Read;
    const viremo::RecoilStore shown = saved ? store : viremo::RecoilStore(factory, factory);

    Json::Value bullets(Json::arrayValue);
    for (int bullet = 0; bullet < viremo::RecoilStore::kBullets; ++bullet)
        bullets.append(bulletJson(bullet, shown.showBullet(gun, bullet)));
    if (options.json) {
        Json::Value document(Json::objectValue);
        document["gun"] = gun;
        document["factory"] = !saved;
        document["bullets"] = bullets;
        printJson(document);
        return kSuccess;
    }
    std::printf("gun %d%s\n", gun, saved ? "" : " (factory pattern)");
    for (const auto& row : bullets)
        std::printf("%3d  %-5s %3lld   %-4s %3lld   %5lld ms\n", row["bullet"].asInt(), row["horizontal"].asCString(),
                    static_cast<long long>(row["horizontalDistance"].asInt64()), row["vertical"].asCString(),
                    static_cast<long long>(row["verticalDistance"].asInt64()),
                    static_cast<long long>(row["delay"].asInt64()));
    return kSuccess;
}

}  // namespace viremoctl
