// The filter kept from key to key must list what filtering the whole list afresh lists, for
// every way the text can change: typing, Backspace, a paste, an edit in the middle, a change
// of letter case, everything replaced, and another list going on display.
#include "commands/navigate/browse_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace commands::navigate {
namespace {

BrowseEntries Entries(const std::vector<std::string>& texts) {
    BrowseEntries entries;
    for (const std::string& text : texts)
        entries.Add(text, "/src/" + text);
    return entries;
}

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
