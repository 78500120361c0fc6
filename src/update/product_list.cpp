#include "update/product_list.h"

#include "profiles/text.h"
#include "update/version_number.h"

namespace viremo::update {
namespace {

const ProductEntry& applicationRow() { return devices::kModelTable.back(); }

}  // namespace

std::vector<ProductEntry> productList(std::span<const int> firmwareVersions, int applicationVersion) {
    std::vector<ProductEntry> products;
    for (size_t row = 0; row < devices::kModelTable.size(); ++row) {
        ProductEntry product = devices::kModelTable[row];
        const bool last = row + 1 == devices::kModelTable.size();
        product.installedVersion = last ? applicationVersion
                                        : row < firmwareVersions.size() ? firmwareVersions[row] : 0;
        if (product.installedVersion != 0) products.push_back(product);
    }
    return products;
}

bool isApplication(const ProductEntry& product) {
    return text::equalsIgnoringCase(product.modelCode, applicationRow().modelCode);
}

std::string BuildAppKey(const ProductEntry& product) {
    if (product.installedVersion == 0) return "NULL";
    return std::string(product.brand) + "_" + std::to_string(product.firstId) + "_" +
           std::string(product.modelCode) + "_" + std::string(product.productCode) + "_" +
           std::to_string(product.secondId);
}

UpdateInfo unansweredInfo(const ProductEntry& product) {
    UpdateInfo info;
    info.status = kStatusNoNewerVersion;
    info.name = std::string(isApplication(product) ? applicationRow().displayCode : product.displayCode);
    info.currentVersionText = hasHexadecimalVersions(product) ? hexadecimalVersionText(product.installedVersion)
                                                              : std::string(product.versionLabel);
    return info;
}

}  // namespace viremo::update
