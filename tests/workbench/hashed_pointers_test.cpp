#include "workbench/hashed_pointers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace {

using workbench::HashedPointers;

// Random filings and erasures, checked against an ordered set of pairs: under one hash and a few
// (many items to a slot), and under thousands (runs that wrap around the table's end and are
// shifted back over the slots their hashes leave).
TEST(HashedPointersTest, KeepsEveryFilingThroughCollisionsErasuresAndRegrowth) {
    std::vector<int> items(600);
    for (std::uint64_t hashes : {1u, 7u, 2000u}) {
        SCOPED_TRACE(hashes);
        HashedPointers<int> table;
        std::set<std::pair<std::uint64_t, const int*>> filed;
        std::mt19937 random(static_cast<unsigned>(hashes));
        for (int step = 0; step < 20000; ++step) {
            const std::uint64_t hash = random() % hashes * 0x100000001ull;
            int* item = &items[random() % items.size()];
            const bool known = filed.contains({hash, item});
            if (random() % 3 != 0) {
                ASSERT_EQ(table.Insert(hash, item), !known);
                filed.insert({hash, item});
            } else {
                ASSERT_EQ(table.Erase(hash, item), known);
                filed.erase({hash, item});
            }
        }
        ASSERT_EQ(table.Size(), filed.size());
        for (const int& item : items) {
            for (std::uint64_t h = 0; h < hashes; ++h) {
                const std::uint64_t hash = h * 0x100000001ull;
                ASSERT_EQ(table.Contains(hash, &item), filed.contains({hash, &item}));
            }
        }
    }
}

TEST(HashedPointersTest, InsertAllFilesEachPairOnceAndFindIfStopsAtTheFirstTaken) {
    int a = 1;
    int b = 2;
    HashedPointers<int> table;
    EXPECT_EQ(table.FindIf(5, [](const int&) { return true; }), nullptr) << "empty";
    table.InsertAll({{5, &a}, {5, &b}, {5, &a}, {9, &a}});
    EXPECT_EQ(table.Size(), 3u);
    EXPECT_EQ(table.FindIf(5, [](const int& item) { return item == 2; }), &b);
    EXPECT_EQ(table.FindIf(6, [](const int&) { return true; }), nullptr);
    EXPECT_TRUE(table.Erase(5, &a));
    EXPECT_FALSE(table.Erase(5, &a));
    EXPECT_TRUE(table.Contains(9, &a));
}

}  // namespace
