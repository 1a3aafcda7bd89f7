#include "settings/registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "settings/memory_profile_store.h"

namespace settings {

void PrintTo(const Rect& r, std::ostream* out) {
    *out << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}

namespace {

// Tables write the code-1 separator as '|'.
std::string Ones(std::string text) {
    std::replace(text.begin(), text.end(), '|', kListSeparator);
    return text;
}

struct FakeWindow : RectWindow {
    Rect screen{100, 200, 150, 260};
    bool child = false;
    bool parent = false;
    int centred = 0;
    std::vector<Rect> moves;

    Rect ScreenRect() const override { return screen; }
    bool IsChild() const override { return child; }
    bool HasParent() const override { return parent; }
    Rect ScreenToParentClient(const Rect& r) const override {
        return {r.left - 5, r.top - 7, r.right - 5, r.bottom - 7};
    }
    void CenterOnOwner() override { ++centred; }
    void MoveTo(const Rect& rect) override { moves.push_back(rect); }
};

TEST(RegistryTest, SentinelsAndWrongTypesReadAsMissingButAreStillHandedOut) {
    MemoryProfileStore store;
    CRegistry registry(store);
    store.Seed("S", "max", 2147483647);
    store.Seed("S", "error", std::string("CRegistry::Error"));
    store.Seed("S", "int", -4);
    store.Seed("S", "text", std::string("CRegistry::error"));
    int number = 0;
    std::string text;
    EXPECT_FALSE(registry.ReadInt("S", "absent", number));
    EXPECT_FALSE(registry.ReadString("S", "absent", text));
    EXPECT_EQ(std::pair(number, text), std::pair(kMissingInt, std::string(kMissingString)));
    EXPECT_FALSE(registry.ReadInt("S", "max", number));
    EXPECT_FALSE(registry.ReadString("S", "error", text));
    EXPECT_FALSE(registry.ReadInt("S", "text", number) || registry.ReadString("S", "int", text));
    EXPECT_TRUE(registry.ReadInt("S", "int", number) && registry.ReadString("S", "text", text));
    EXPECT_EQ(std::pair(number, text), std::pair(-4, std::string("CRegistry::error")));
}

TEST(RegistryTest, ReadStringListSplitsAtCodeOneAndSkipsEmptyPieces) {
    struct Case {
        std::optional<std::string> stored;
        bool present;
        StringList items;
    } cases[] = {
        {"cpp|c|cc|", true, {"cpp", "c", "cc"}},
        {"a||b", true, {"a", "b"}},
        {"", true, {}},
        {" x |", true, {" x "}},
        {std::nullopt, false, {}},
        {"CRegistry::Error", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.value_or("<missing>"));
        MemoryProfileStore store;
        if (c.stored) {
            store.Seed("Options", "List", Ones(*c.stored));
        }
        StringList list{"stale"};
        EXPECT_EQ(CRegistry(store).ReadStringList("Options", "List", list), c.present);
        EXPECT_EQ(list, c.items);
    }
}

TEST(RegistryTest, WriteStringListEndsEveryItemWithCodeOne) {
    MemoryProfileStore store;
    CRegistry registry(store);
    ASSERT_TRUE(registry.WriteStringList("Options", "L", {"cpp", "c", "cc"}));
    EXPECT_EQ(store.Peek("Options", "L"), ProfileValue(Ones("cpp|c|cc|")));
    ASSERT_TRUE(registry.WriteStringList("Options", "L", {}));
    EXPECT_EQ(store.Peek("Options", "L"), ProfileValue(""));

    store.SetWritesFail(true);
    EXPECT_FALSE(registry.WriteStringList("Options", "L", {"x"}));
}

TEST(RegistryTest, SaveWindowRectUsesParentCoordinatesOnlyForChildWithParent) {
    struct Case {
        bool child, parent;
        std::string stored;
    } cases[] = {
        {false, false, "100|200|150|260"},
        {true, false, "100|200|150|260"},
        {false, true, "100|200|150|260"},
        {true, true, "95|193|145|253"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        MemoryProfileStore store;
        FakeWindow window;
        window.child = c.child;
        window.parent = c.parent;
        ASSERT_TRUE(CRegistry(store).SaveWindowRect(kSectionWindows, "Browse", window));
        EXPECT_EQ(store.Peek(kSectionWindows, "Browse"), ProfileValue(Ones(c.stored)));
    }
}

TEST(RegistryTest, RestoreWindowRect) {
    // The fake window stands at 100,200 and is 50 wide, 60 high.
    struct Case {
        std::optional<ProfileValue> stored;
        bool restoreSize;
        bool result;
        bool centred;
        std::optional<Rect> moved;
    } cases[] = {
        {std::nullopt, true, false, true, std::nullopt},
        {ProfileValue("CRegistry::Error"), true, false, true, std::nullopt},
        {ProfileValue("1|2|3"), true, false, false, std::nullopt},
        {ProfileValue("10|20|110|220"), true, true, false, Rect{10, 20, 110, 220}},
        {ProfileValue("10|20|110|220"), false, true, false, Rect{10, 20, 60, 80}},
        {ProfileValue("  7x|-3|abc|+4 9"), true, true, false, Rect{7, -3, 0, 4}},
        {ProfileValue("1|2|3|"), true, true, false, Rect{1, 2, 3, 0}},
        {ProfileValue("1|2|3|4|5"), true, true, false, Rect{1, 2, 3, 4}},
        {ProfileValue("99999999999|-99999999999|0|0"), false, true, false,
         Rect{INT_MAX, INT_MIN, INT_MAX, INT_MIN + 60}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.stored) + (c.restoreSize ? " sized" : ""));
        MemoryProfileStore store;
        if (c.stored) {
            auto* text = std::get_if<std::string>(&*c.stored);
            store.Seed(kSectionWindows, "Browse", text ? ProfileValue(Ones(*text)) : *c.stored);
        }
        FakeWindow window;
        EXPECT_EQ(
            CRegistry(store).RestoreWindowRect(kSectionWindows, "Browse", window, c.restoreSize),
            c.result);
        EXPECT_EQ(window.centred, c.centred ? 1 : 0);
        EXPECT_EQ(window.moves, c.moved ? std::vector<Rect>{*c.moved} : std::vector<Rect>{});
    }
}

}  // namespace
}  // namespace settings
