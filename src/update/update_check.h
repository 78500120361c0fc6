#pragma once
// The update check of the settings window and of `viremoctl update check`:
// one question to the update service per product, in list order, and the
// state the window shows when all have been asked.
#include <filesystem>
#include <functional>
#include <span>
#include <stop_token>
#include <string_view>

#include "platform/clock.h"
#include "update/product_list.h"
#include "update/update_info.h"
#include "update/update_service.h"

namespace viremo::update {

// The settings window's status line.
enum class WindowStatus {
    Checking = 0,
    UpdatesAvailable = 1,
    NoConnection = 2,  // every product's check failed
    Updating = 3,
    UpToDate = 4,
};

// One product's result as the update list shows it: a failed check, or an
// answer without a name, shows the product as it was with no newer version;
// the name is always the product's display name.
UpdateInfo checkProduct(UpdateServiceClient& service, const ProductEntry& product, std::stop_token stop);

// Where a product's package would be kept: the temporary folder +
// "UpdateData/" + name + ".exe" (the folder is created). Only recorded.
std::filesystem::path localFileName(std::string_view name);

using ProductResult = std::function<void(size_t index, const UpdateInfo& info)>;

// Checks every product, reports each result and stores today's date in the
// update-time file after every product the service was asked about. Stops
// between products, and reports nothing more, once `stop` is requested.
WindowStatus checkProducts(UpdateServiceClient& service, std::span<const ProductEntry> products,
                           const std::filesystem::path& updateTime, const Clock& clock, std::stop_token stop,
                           const ProductResult& onResult);

}  // namespace viremo::update
