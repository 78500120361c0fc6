#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/application.h"

namespace viremo::app {
namespace {

std::optional<Options> parsed(std::vector<std::string> words) {
    words.insert(words.begin(), "viremo");
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    return ParseOptions(int(argv.size()), argv.data());
}

// The scale is one of the two the skin is drawn for; 2^32 + 96 once passed as 96.
TEST(Options, TheScaleIsNinetySixOrOneHundredFortyFour) {
    EXPECT_EQ(parsed({"--dpi", "144"})->dpi, 144);
    EXPECT_EQ(parsed({"--dpi", "96"})->dpi, 96);
    EXPECT_EQ(parsed({})->dpi, 0);
    for (const char* wrong : {"4294967392", "0", "x", " 144", "144x"}) EXPECT_FALSE(parsed({"--dpi", wrong})) << wrong;
}

}  // namespace
}  // namespace viremo::app
