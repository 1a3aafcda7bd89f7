#include "editor/expand_tabs.h"

#include <gtest/gtest.h>

#include "fake_ide.h"

namespace editor {
namespace {

using namespace testing_fakes;

// Only the C/C++ editor properties matter here; everything else answers "nothing".
class PropertiesOnly : public ide::Environment {
  public:
    ide::Ref<FakeProperties> properties;

    ide::Ref<ide::Properties> GetProperties(const std::string& c, const std::string& p) override {
        return c == "TextEditor" && p == "C/C++" ? properties : nullptr;
    }
    ide::Ref<ide::Document> ActiveDocument() override { return nullptr; }
    ide::Ref<ide::Documents> GetDocuments() override { return nullptr; }
    ide::Ref<ide::Window> ActiveWindow() override { return nullptr; }
    ide::Ref<ide::Solution> GetSolution() override { return nullptr; }
    ide::Ref<ide::Debugger> GetDebugger() override { return nullptr; }
    std::string Version() override { return {}; }
    std::string RegistryRoot() override { return {}; }
    bool SuppressUI() override { return false; }
    bool SetSuppressUI(bool) override { return false; }
};

TEST(ExpandTabsTest, ExpandsToTheEditorsTabStopsOnlyWhenItInsertsSpaces) {
    using Values = std::vector<std::pair<std::string, ide::Value>>;
    const Values spaces4 = {{"IndentStyle", 1L}, {"TabSize", 4L}, {"InsertTabs", false}};
    const struct {
        Values values;
        std::string text;
        std::string expanded;
    } cases[] = {
        {spaces4, "a\tb\t", "a   b   "},
        // CR advances the column like any character; only LF restarts it.
        {spaces4, "\r\n\tx", "\r\n    x"},
        {spaces4, "ab\r\tx", "ab\r x"},
        {{{"TabSize", 3L}, {"InsertTabs", 0L}}, "ab\tc\n\td", "ab c\n   d"},
        {{{"TabSize", 0L}, {"InsertTabs", false}}, "a\tb\t", "ab"},
        // Unchanged unless both are there, under exactly these names.
        {{{"TabSize", 4L}, {"InsertTabs", true}}, "a\tb", "a\tb"},
        {{{"TabSize", 2L}}, "a\tb", "a\tb"},
        {{{"tabsize", 2L}, {"InsertTabs", false}}, "a\tb", "a\tb"},
    };
    for (const auto& c : cases) {
        PropertiesOnly ide;
        ide.properties = std::make_shared<FakeProperties>();
        for (const auto& [name, value] : c.values)
            ide.properties->items.push_back(std::make_shared<FakeProperty>(name, value));
        EXPECT_EQ(ExpandTabs(ide, c.text), c.expanded) << c.values.size() << " values";
    }
    PropertiesOnly none;
    EXPECT_EQ(ExpandTabs(none, "a\tb"), "a\tb");
}

}  // namespace
}  // namespace editor
