// Feeds one text to every reader of macro and recoil data. As files: the
// macro list "macro.config", the event file "g.mac" (a list entry with Guid
// "g" finds it) and a recoil file, read through the library, the image
// loader and the recoil store. In memory: the same document as a macro list,
// an event file (event list, packing, saving), a recoil file (every bullet
// read and one written) and a profile entry whose key list is renumbered.
// Files live in a scratch folder on /dev/shm; the three file names are links
// to one input file, so each input is written once.
//
//   build-fuzz/fuzz/fuzz_macro_readers -runs=1000000 -max_len=4096 \
//       /tmp/corpus-macro_readers fuzz/corpus/macro_readers
//
// For long runs set ASAN_OPTIONS=malloc_context_size=2: with full allocation
// stacks the sanitizer's stack records alone grow past the 2 GB limit.
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
#include "profiles/json_file.h"

namespace {

namespace fs = std::filesystem;

const fs::path& scratchFolder() {
    static const fs::path folder = [] {
        fs::path path = fs::path("/dev/shm") / ("viremo-fuzz-macros-" + std::to_string(::getpid()));
        fs::create_directories(path);
        for (const char* name : {"macro.config", "g.mac", "ShootData_1.Shoot"}) {
            std::error_code ignored;
            fs::remove(path / name, ignored);
            fs::create_symlink("input", path / name);
        }
        return path;
    }();
    return folder;
}

void readFiles(const fs::path& folder) {
    const viremo::MacroLibrary library(folder);
    const auto entries = library.entries();
    std::vector<int> used;
    for (size_t i = 0; i < entries.size() && i < 60; ++i) used.push_back(int(i));
    if (const auto blocks = viremo::loadMacroBlocks(folder, used)) viremo::buildMacroImage(*blocks, viremo::macroCapacity(255));
    if (!entries.empty()) library.readEventFile(0);

    const viremo::RecoilStore store(folder, folder);
    store.showBullet(1, 3);
    viremo::buildRecoilImage(store.loadBlocks());
}

void readDocument(const Json::Value& document) {
    const auto config = viremo::parseMacroConfig({viremo::json::FileState::Read, document, {}});
    std::vector<viremo::AssignmentCode> codes;
    for (const auto& entry : config.entries) codes.push_back(viremo::parseAssignment(entry.name).value_or(viremo::AssignmentCode{}));
    viremo::usedMacros(codes, int(config.entries.size()));

    viremo::isMacroFileDocument(document);
    viremo::MacroEventList list;
    list.load(document);
    for (size_t row = 0; row < list.size(); ++row) viremo::describeMacroEvent(list.row(row).event);
    list.select(1);
    list.moveToTop();
    list.insertMouseAction(512, 3, "300");
    const viremo::EventBlock block = viremo::packEvents(document);
    const std::vector<viremo::EventBlock> guns = {block, block, block, viremo::packEvents(list.eventsForSave())};
    viremo::buildRecoilImage(guns);
    viremo::buildMacroImage(guns, viremo::macroCapacity(1));

    for (int bullet = 0; bullet < viremo::RecoilStore::kBullets; ++bullet) viremo::readBullet(document, bullet);
    Json::Value edited = document.isObject() ? document : Json::Value(Json::objectValue);
    viremo::writeBullet(edited, 29, {true, 300, false, -1, 70000});

    Json::Value entry = document;
    viremo::keyListUsesMacro(entry, 1);
    viremo::renumberKeyList(entry, 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const fs::path& folder = scratchFolder();
    viremo::writeFileAtomically(folder / "input", text);
    readFiles(folder);
    if (const auto document = viremo::json::parse(text)) readDocument(*document);
    return 0;
}
