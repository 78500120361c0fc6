#pragma once
// The products whose updates are checked: the rows of the model table (the
// device products in device-tab order, then the application) with the
// installed version of each, and what a product shows before and without
// an answer.
#include <span>
#include <string>
#include <vector>

#include "devices/device_tables.h"
#include "update/update_info.h"

namespace viremo::update {

using ProductEntry = devices::ModelRow;

// firmwareVersions[k]: the firmware version of the device open on device
// tab k, 0 when none. The application row takes applicationVersion. Only the
// products with a known (non-zero) version are listed.
std::vector<ProductEntry> productList(std::span<const int> firmwareVersions, int applicationVersion);

// Firmware versions are hexadecimal; the others decimal.
inline bool hasHexadecimalVersions(const ProductEntry& product) { return product.firstId != 0; }

bool isApplication(const ProductEntry& product);

// "NULL" for an unknown version, else brand_firstId_model_product_secondId.
std::string BuildAppKey(const ProductEntry& product);

// The product as shown before its answer arrives, or when none came: no
// newer version, its display name and its installed version.
UpdateInfo unansweredInfo(const ProductEntry& product);

}  // namespace viremo::update
