// Feeds one text to every reader of macro and recoil data: as the macro list
// "macro.config", as the event file "g.mac" (a list entry with Guid "g"
// finds it), as the four recoil files and as a profile file listed for the
// macro renumbering. The library, the event list, the image builders and the
// recoil store then run their operations on whatever came out. Files live in
// a scratch folder on /dev/shm.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

#include "macros/assignment_text.h"
#include "macros/macro_event_list.h"
#include "macros/macro_image.h"
#include "macros/macro_library.h"
#include "macros/macro_renumbering.h"
#include "macros/recoil_store.h"
#include "macros/used_macros.h"
#include "platform/atomic_file.h"
#include "platform/clock.h"

namespace {

namespace fs = std::filesystem;

struct Scratch {
    fs::path device;
    fs::path factory;
    Scratch() {
        const fs::path root = fs::path("/dev/shm") / ("viremo-fuzz-macros-" + std::to_string(::getpid()));
        device = root / "device";
        factory = root / "factory";
        fs::create_directories(factory);
        for (int gun = 0; gun < viremo::RecoilStore::kGuns; ++gun)
            viremo::writeFileAtomically(factory / viremo::RecoilStore::gunFileName(gun), R"({"Events": []})");
    }
    void reset() const {
        std::error_code ignored;
        fs::remove_all(device, ignored);
        fs::create_directories(device);
    }
};

void exerciseLibrary(const fs::path& folder) {
    viremo::FakeClock clock;
    viremo::MacroLibrary library(folder, clock);
    const auto entries = library.entries();
    const int count = static_cast<int>(entries.size());

    std::vector<int> all;
    for (int i = 0; i < count && i < 60; ++i) all.push_back(i);
    if (const auto blocks = viremo::loadMacroBlocks(folder, all)) viremo::buildMacroImage(*blocks, viremo::macroCapacity(255));

    for (int i = 0; i < count && i < 4; ++i) {
        viremo::MacroEventList list;
        list.load(library.readEventFile(i));
        for (size_t row = 0; row < list.size() && row < 50; ++row) viremo::describeMacroEvent(list.row(row).event);
        list.select(0);
        list.moveDown();
        list.insertMouseAction(512, 1, "300");
        library.writeEventFile(i, list.eventsForSave());
        library.exportFile(i, folder / "exported.mac");
    }
    library.rename(0, "macro_1");
    library.add();
    library.importFile(folder / "g.mac");
    if (!entries.empty()) library.remove(entries.front().guid);
}

void exerciseRenumbering(const fs::path& folder) {
    viremo::renumberProfileFiles(folder, 1);
    viremo::writeFileAtomically(folder / "ProfileList.ini", R"({"profilelist": [{"profileUUID": "p"}]})");
    viremo::renumberProfileFiles(folder, 0);
}

void exerciseRecoil(const Scratch& scratch) {
    const viremo::RecoilStore store(scratch.device, scratch.factory);
    for (int bullet = 0; bullet < viremo::RecoilStore::kBullets; ++bullet) store.showBullet(1, bullet);
    viremo::buildRecoilImage(store.loadBlocks());
    store.saveBullet(2, 29, {true, 300, false, -1, 70000});
    store.initialise();
    store.importGun(0, scratch.device / "g.mac");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static const Scratch scratch;
    scratch.reset();
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    for (const char* name : {"macro.config", "g.mac", "ShootData_1.Shoot", "ShootData_2.Shoot", "ShootData_3.Shoot",
                             "ProfileList.ini", "p.Json"})
        viremo::writeFileAtomically(scratch.device / name, text);
    exerciseLibrary(scratch.device);
    exerciseRenumbering(scratch.device);
    exerciseRecoil(scratch);
    if (size < 64) viremo::parseAssignment(text);
    return 0;
}
