#include "devices/discovery/hotplug_discovery.h"

#include "hid/hid_device.h"
#include "platform/log.h"
#include "platform/stoppable_sleep.h"

namespace viremo::devices {

namespace {

constexpr int kWakeMs = 100;  // how long a wait lasts before it looks at the stop request

bool IsFree(const InterfaceRecord& entry) { return entry.connected == 0 && entry.path.empty(); }

bool SameFour(const InterfaceRecord& a, const InterfaceRecord& b) {
    return a.vendorId == b.vendorId && a.productId == b.productId && a.collection == b.collection &&
           a.interfaceNumber == b.interfaceNumber;
}

bool SameSix(const InterfaceRecord& a, const InterfaceRecord& b) {
    return SameFour(a, b) && a.usagePage == b.usagePage && a.usage == b.usage;
}

// The record of a path as far as the path tells it; nothing when the
// numbers do not fit the table's fields (no row can match them).
std::optional<InterfaceRecord> RecordFromPath(const std::string& path) {
    const uint32_t vendor = hid::VendorIdFromPath(path);
    const uint32_t product = hid::ProductIdFromPath(path);
    const uint32_t interfaceNumber = hid::InterfaceNumberFromPath(path);
    const uint32_t collection = hid::CollectionNumberFromPath(path);
    if (matchBeforeOpen(vendor, product, collection, interfaceNumber) == kNone) return std::nullopt;
    InterfaceRecord record;
    record.vendorId = static_cast<uint16_t>(vendor);
    record.productId = static_cast<uint16_t>(product);
    record.interfaceNumber = static_cast<uint16_t>(interfaceNumber);
    record.collection = static_cast<uint16_t>(collection);
    record.path = path;
    return record;
}

}  // namespace

HotplugDiscovery::HotplugDiscovery(hid::Backend& backend, IDiscoveryListener& listener)
    : m_backend(backend), m_listener(listener), m_entries(hidInterfaceTable()) {}

HotplugDiscovery::~HotplugDiscovery() { Stop(); }

void HotplugDiscovery::Start() {
    if (m_thread.joinable()) return;
    m_thread = std::jthread([this](std::stop_token stop) { Run(stop); });
}

void HotplugDiscovery::Stop() {
    if (!m_thread.joinable()) return;
    m_thread.request_stop();
    m_thread.join();
}

void HotplugDiscovery::Pause() {
    std::lock_guard lock(m_pauseLock);
    m_paused = true;
}

void HotplugDiscovery::Resume() {
    {
        std::lock_guard lock(m_pauseLock);
        if (!m_paused) return;
        m_paused = false;
        m_resumed = true;
    }
    m_pauseChanged.notify_all();
}

std::optional<InterfaceRecord> HotplugDiscovery::Entry(int index) const {
    if (!IsEntryIndex(index)) return std::nullopt;
    std::lock_guard lock(m_entriesLock);
    return m_entries[static_cast<size_t>(index)];
}

void HotplugDiscovery::Run(std::stop_token stop) {
    // The monitor exists before the first pass, so that nothing plugged
    // during the pass goes unnoticed.
    const auto monitor = m_backend.monitorChanges();
    Pass(stop);
    if (!stop.stop_requested()) m_listener.FirstPassDone();
    while (!stop.stop_requested()) {
        if (WaitWhilePaused(stop)) {
            Pass(stop);
            continue;
        }
        // Without a monitor the backend can only be asked again after a pause.
        const bool changed =
            monitor ? monitor->waitForChange(kWakeMs) : sleepFor(stop, std::chrono::milliseconds(kWakeMs));
        if ((changed || m_enumerationFailed) && !stop.stop_requested() && !IsPaused()) Pass(stop);  // a resume passes anyway
    }
    log::line("抓取设备线程设定退出");
}

bool HotplugDiscovery::IsPaused() {
    std::lock_guard lock(m_pauseLock);
    return m_paused;
}

bool HotplugDiscovery::WaitWhilePaused(std::stop_token stop) {
    std::unique_lock lock(m_pauseLock);
    m_pauseChanged.wait(lock, stop, [this] { return !m_paused; });
    const bool resumed = m_resumed;
    m_resumed = false;
    return resumed;
}

void HotplugDiscovery::Pass(std::stop_token stop) {
    ProbeNewInterfaces(stop);
    CheckOccupiedEntries(stop);
}

void HotplugDiscovery::ProbeNewInterfaces(std::stop_token stop) {
    {
        std::lock_guard lock(m_entriesLock);
        bool anyFree = false;
        for (const auto& entry : m_entries) anyFree = anyFree || IsFree(entry);
        if (!anyFree) return;
    }
    std::vector<std::string> paths;
    if (!m_backend.enumerate(paths)) {
        // Tried again at the next wake-up rather than never again.
        log::line("discovery: the interfaces cannot be listed");
        m_enumerationFailed = true;
        return;
    }
    m_enumerationFailed = false;
    for (const std::string& path : paths) {
        if (stop.stop_requested()) return;
        auto record = RecordFromPath(path);
        if (!record || !HasFreeEntry(*record)) continue;
        auto probe = m_backend.open(path, {.read = true, .write = false, .exclusive = false});
        if (!probe) continue;  // tried again after the next change
        record->vendorId = probe->vendorId();
        record->productId = probe->productId();
        record->usagePage = probe->collection().usagePage;
        record->usage = probe->collection().usage;
        probe.reset();
        const int entry = Claim(*record);
        if (entry != kNone) m_listener.InterfaceFound(entry, stop);
    }
}

int HotplugDiscovery::Claim(const InterfaceRecord& probed) {
    const int row = matchAfterOpen(probed.vendorId, probed.productId, probed.collection, probed.interfaceNumber,
                                   probed.usagePage, probed.usage);
    if (row == kNone) return kNone;
    std::lock_guard lock(m_entriesLock);
    for (int i = 0; i < kEntryCount; ++i) {
        InterfaceRecord& entry = m_entries[static_cast<size_t>(i)];
        if (!IsFree(entry) || !SameSix(entry, probed)) continue;
        entry.connected = 1;
        entry.path = probed.path;
        return i;
    }
    return kNone;  // a second identical device: ignored
}

bool HotplugDiscovery::HasFreeEntry(const InterfaceRecord& key) const {
    std::lock_guard lock(m_entriesLock);
    for (const auto& entry : m_entries)
        if (IsFree(entry) && SameFour(entry, key)) return true;
    return false;
}

void HotplugDiscovery::CheckOccupiedEntries(std::stop_token stop) {
    for (int i = 0; i < kEntryCount; ++i) {
        std::string path;
        {
            std::lock_guard lock(m_entriesLock);
            const auto& entry = m_entries[static_cast<size_t>(i)];
            if (IsFree(entry)) continue;
            path = entry.path;
        }
        if (m_backend.open(path, {.read = false, .write = false, .exclusive = false})) continue;
        {
            std::lock_guard lock(m_entriesLock);
            auto& entry = m_entries[static_cast<size_t>(i)];
            entry.connected = 0;
            entry.path.clear();
        }
        if (stop.stop_requested()) return;
        m_listener.InterfaceLost(i, stop);
    }
}

}  // namespace viremo::devices
