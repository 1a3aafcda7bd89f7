// The Browse lists: order, filter (afresh and kept from key to key), the row each level
// selects, and the layout arithmetic.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/navigate/browse_entries.h"
#include "commands/navigate/browse_filter.h"
#include "commands/navigate/browse_layout.h"
#include "commands/navigate/browse_selection.h"

namespace commands::navigate {
namespace {

using Strings = std::vector<std::string>;
using Rows = std::vector<std::size_t>;

BrowseEntries Entries(const Strings& shown, const Strings& data = {}) {
    BrowseEntries entries;
    for (std::size_t i = 0; i < shown.size(); ++i)
        entries.Add(shown[i], i < data.size() ? data[i] : std::to_string(i));
    return entries;
}

TEST(BrowseEntriesTest, SortsByLowerCaseBytesCarryingTheData) {
    struct Case {
        Strings shown, sortedShown, sortedData;
    } cases[] = {
        {{"b", "A", "c"}, {"A", "b", "c"}, {"1", "0", "2"}},
        // '_' lies between upper and lower case letters: lowered, it sorts before them.
        {{"b_x", "B", "_a"}, {"_a", "B", "b_x"}, {"2", "1", "0"}},
        {{"Set", "set", "SET"}, {"Set", "set", "SET"}, {"0", "1", "2"}},
        {{"\xe4x", "z"}, {"z", "\xe4x"}, {"1", "0"}},
        {{}, {}, {}},
    };
    for (const Case& c : cases) {
        BrowseEntries entries = Entries(c.shown);
        SortEntries(entries);
        EXPECT_EQ(entries.shown, c.sortedShown) << c.shown.size();
        EXPECT_EQ(entries.data, c.sortedData) << c.shown.size();
    }
}

TEST(BrowseEntriesTest, FiltersBySubstringInAnyCase) {
    const BrowseEntries entries = Entries({"SetValue", "reset", "Other", "ASSET"});
    struct Case {
        std::string filter;
        Rows listed;
    } cases[] = {
        {"", {0, 1, 2, 3}}, {"set", {0, 1, 3}}, {"SET", {0, 1, 3}},  {"setv", {0}},
        {"x", {}},          {"other ", {}},     {"t", {0, 1, 2, 3}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FilterEntries(entries, c.filter), c.listed) << c.filter;
}

TEST(BrowseSelectionTest, MemberRowIsTheOneTheCaretStandsIn) {
    // Members on lines 3, 10, 20; the caret line counts from 0.
    const BrowseEntries entries = Entries({"a", "b", "c"}, {"3", "10", "20"});
    struct Case {
        Rows listed;
        long currentLine;
        BrowseRow row;
    } cases[] = {
        {{0, 1, 2}, 0, 0},  {{0, 1, 2}, 2, 0},  {{0, 1, 2}, 8, 0},     {{0, 1, 2}, 9, 1},
        {{0, 1, 2}, 18, 1}, {{0, 1, 2}, 19, 2}, {{0, 1, 2}, 500, 2},   {{1, 2}, 0, 0},
        {{0, 2}, 12, 0},    {{2}, 30, 0},       {{}, 5, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MemberRow(entries, c.listed, c.currentLine), c.row)
            << c.currentLine << " over " << c.listed.size();
    }
}

TEST(BrowseLayoutTest, ButtonsKeepTheirSizeAndTheRestStretches) {
    using R = settings::Rect;
    struct Case {
        BrowseLayoutInput input;
        BrowseLayout layout;
    } cases[] = {
        {{400, 300, 80, 20, 18, 30, 20},
         {R{4, 4, 398, 22}, R{4, 30, 398, 274}, R{234, 278, 314, 298}, R{150, 278, 230, 298},
          R{318, 278, 398, 298}, R{4, 278, 140, 298}}},
        // Too small for the buttons: the list and the text shrink to nothing, never inverted.
        {{200, 50, 80, 20, 18, 30, 20},
         {R{4, 4, 198, 22}, R{4, 30, 198, 30}, R{34, 28, 114, 48}, R{-50, 28, 30, 48},
          R{118, 28, 198, 48}, R{4, 28, 4, 48}}},
    };
    const auto rects = [](const BrowseLayout& l) {
        return std::vector<R>{l.filter, l.list, l.ok, l.up, l.close, l.status};
    };
    for (const Case& c : cases)
        EXPECT_EQ(rects(LayOutBrowse(c.input)), rects(c.layout)) << c.input.clientWidth;
}

// The filter kept from key to key must list what filtering the whole list afresh lists, for
// every way the text can change: typing, Backspace, a paste, an edit in the middle, a change
// of letter case, everything replaced, and another list going on display.
TEST(BrowseFilterTest, ListsWhatAFreshFilterLists) {
    const BrowseEntries files = Entries({"Main.cpp", "main.h", "Domain.cpp", "readme.txt",
                                         "amain.c", "MAINTAIN.H", "util.cpp", "a.b", ""});
    const BrowseEntries other = Entries({"main.txt", "Other.cpp", "ain"});
    struct Case {
        const char* name;
        std::vector<std::string> filters;  // one per key, in order
    };
    const Case cases[] = {
        {"typing then Backspace to empty", {"m", "ma", "mai", "main", "mai", "ma", "m", ""}},
        {"paste after typing", {"m", "main.cpp", "main.c", "main."}},
        {"insert in the middle", {"mn", "man", "main", "mai.n"}},
        {"letter case changes", {"M", "Ma", "MAIN", "main.H", "MAIN.h"}},
        {"everything replaced", {"main", "util", "txt", "t", "tx", "x"}},
        {"no match, then back", {"mainz", "mainzz", "mainz", "main", "zz", ""}},
        {"a filter repeated", {"a", "a", "", "", "a.", "a.b", "a.b"}},
    };
    for (const Case& c : cases) {
        BrowseFilter filter;
        for (std::size_t list = 0; list < 2; ++list) {
            const BrowseEntries& entries = list == 0 ? files : other;
            for (const std::string& text : c.filters) {
                EXPECT_EQ(filter.Apply(entries, list, text), FilterEntries(entries, text))
                    << c.name << ", list " << list << ", filter \"" << text << "\"";
            }
        }
    }
}

}  // namespace
}  // namespace commands::navigate
