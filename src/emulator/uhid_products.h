#pragma once
// Emulated products, and the demo set, plugged into the kernel through uhid:
// every USB interface of a product becomes one uhid device.
#include <string>

#include "emulator/demo_set.h"
#include "emulator/emulated_product.h"
#include "emulator/uhid_adapter.h"

namespace viremo::emulator {

// Plugs every interface of the product; on failure unplugs those already
// plugged, says why in `why` and returns false.
bool plugProduct(UhidAdapter& adapter, const EmulatedProduct& product, std::string* why = nullptr);
void unplugProduct(UhidAdapter& adapter, const EmulatedProduct& product);

// Plugs every product of the set (see makeDemoSet). False, with the reason in
// `why`, when a product could not be plugged; the others stay plugged.
bool plugDemoSet(UhidAdapter& adapter, const DemoSet& set, std::string* why = nullptr);

}  // namespace viremo::emulator
