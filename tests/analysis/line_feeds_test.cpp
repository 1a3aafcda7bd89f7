#include "analysis/line_feeds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace analysis {
namespace {

// Word-at-a-time counting must not mistake bytes that differ from LF only in the top bit,
// or carry between bytes, whatever the alignment.
TEST(CountLineFeeds, AgreesWithACharacterCountAtEveryAlignment) {
    const std::string pattern("\n\x8a\xff\0\x0b\x09\n\n\x7f\x80\n", 11);
    std::string text;
    for (int i = 0; i < 5; ++i) {
        text += pattern;
    }
    for (std::size_t from = 0; from < 17; ++from) {
        for (std::size_t length = 0; from + length <= text.size(); ++length) {
            const std::string_view piece = std::string_view(text).substr(from, length);
            ASSERT_EQ(CountLineFeeds(piece), std::count(piece.begin(), piece.end(), '\n'))
                << "from " << from << " length " << length;
        }
    }
}

}  // namespace
}  // namespace analysis
