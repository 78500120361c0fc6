#include "update/update_check.h"

#include "update/update_time.h"

namespace viremo::update {

UpdateInfo checkProduct(UpdateServiceClient& service, const ProductEntry& product, std::stop_token stop) {
    UpdateInfo info = service.CheckForUpdate(BuildAppKey(product), product.installedVersion,
                                             hasHexadecimalVersions(product), stop);
    if (failed(info)) info.name.clear();
    if (info.name.empty()) {
        const UpdateInfo shown = unansweredInfo(product);
        info.currentVersionText = shown.currentVersionText;
        info.status = kStatusNoNewerVersion;
        info.newVersionText.clear();
    }
    info.name = std::string(product.displayCode);
    info.localFile = localFileName(info.name).string();
    return info;
}

std::filesystem::path localFileName(std::string_view name) {
    std::error_code ignored;
    const auto folder = std::filesystem::temp_directory_path(ignored) / "UpdateData";
    std::filesystem::create_directories(folder, ignored);
    return folder / (std::string(name) + ".exe");
}

WindowStatus checkProducts(UpdateServiceClient& service, std::span<const ProductEntry> products,
                           const std::filesystem::path& updateTime, const Clock& clock, std::stop_token stop,
                           const ProductResult& onResult) {
    size_t failures = 0;
    bool newerVersion = false;
    for (size_t index = 0; index < products.size(); ++index) {
        const UpdateInfo info = checkProduct(service, products[index], stop);
        if (stop.stop_requested()) return WindowStatus::Checking;
        if (failed(info)) ++failures;
        if (info.status == kStatusNewerVersion) newerVersion = true;
        if (info.outcome != CheckOutcome::NoService) writeLastCheckDate(updateTime, dateText(clock.wallNow()));
        onResult(index, info);
    }
    if (newerVersion) return WindowStatus::UpdatesAvailable;
    if (failures == products.size()) return WindowStatus::NoConnection;
    return WindowStatus::UpToDate;
}

}  // namespace viremo::update
