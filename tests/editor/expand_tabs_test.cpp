#include "editor/expand_tabs.h"

#include <gtest/gtest.h>

#include "fake_ide.h"

namespace editor {
namespace {

using namespace testing_fakes;

// Only the editor properties matter here; everything else answers "nothing".
class PropertiesOnly : public ide::Environment {
  public:
    ide::Ref<FakeProperties> properties = std::make_shared<FakeProperties>();
    std::string asked;

    ide::Ref<ide::Properties> GetProperties(const std::string& c, const std::string& p) override {
        asked = c + "|" + p;
        return properties;
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

    void Set(std::vector<std::pair<std::string, ide::Value>> values) {
        properties->items.clear();
        for (auto& [name, value] : values)
            properties->items.push_back(std::make_shared<FakeProperty>(name, value));
    }
};

TEST(ExpandTabsTest, ExpandsToTheEditorsTabStopsWhenItDoesNotKeepTabs) {
    PropertiesOnly ide;
    ide.Set({{"IndentStyle", 1L}, {"TabSize", 4L}, {"InsertTabs", false}});
    EXPECT_EQ(ExpandTabs(ide, "a\tb\t"), "a   b   ");
    // CR advances the column like any character; only LF restarts it.
    EXPECT_EQ(ExpandTabs(ide, "\r\n\tx"), "\r\n    x");
    EXPECT_EQ(ExpandTabs(ide, "ab\r\tx"), "ab\r x");
    EXPECT_EQ(ide.asked, "TextEditor|C/C++");

    EXPECT_EQ(ExpandTabsTo("ab\tc\n\td", 3), "ab c\n   d");
    EXPECT_EQ(ExpandTabsTo("a\tb\t", 0), "ab");
}

TEST(ExpandTabsTest, LeavesTheTextAloneUnlessBothPropertiesSayOtherwise) {
    PropertiesOnly ide;
    const std::string text = "a\tb";
    ide.Set({{"TabSize", 4L}, {"InsertTabs", true}});
    EXPECT_EQ(ExpandTabs(ide, text), text);
    ide.Set({{"TabSize", 2L}});
    EXPECT_EQ(ExpandTabs(ide, text), text);
    // Names compare exactly.
    ide.Set({{"tabsize", 2L}, {"InsertTabs", false}});
    EXPECT_EQ(ExpandTabs(ide, text), text);
    ide.properties = nullptr;
    EXPECT_EQ(ExpandTabs(ide, text), text);
}

}  // namespace
}  // namespace editor
