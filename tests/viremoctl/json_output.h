#pragma once
// The document a --json run printed; a failed expectation when it printed
// none.
#include <gtest/gtest.h>

#include "profiles/json_file.h"
#include "run_viremoctl.h"

namespace viremoctl::testing {

inline Json::Value jsonOf(const Run& run) {
    const auto document = viremo::json::parse(run.out);
    EXPECT_TRUE(document) << run.out;
    return document.value_or(Json::Value());
}

}  // namespace viremoctl::testing
