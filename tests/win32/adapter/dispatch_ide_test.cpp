#include "win32/dispatch_ide.h"

#include <gtest/gtest.h>

#include <olectl.h>

#include "dispatch_double.h"
#include "win32/bitmap_picture.h"
#include "win32/dispatch_call.h"
#include "win32/ide_interfaces.h"
#include "win32/module_handle.h"

namespace win32::test {
namespace {

using Texts = std::vector<std::string>;

class DispatchIdeTest : public ::testing::Test {
  protected:
    // A fresh double `parent` answers under `name`, as a property or a method such as Item.
    static ComPtr<DispatchDouble> Child(const ComPtr<DispatchDouble>& parent, const wchar_t* name) {
        auto child = DispatchDouble::Create();
        parent->Child(name, child);
        return child;
    }

    ComPtr<DispatchDouble> application = DispatchDouble::Create();
    ide::Ref<ide::Environment> environment = MakeEnvironment(application.Get());
};

// Window -> object (text window) -> selection, as the IDE presents the active text editor.
class TextEditorTest : public DispatchIdeTest {
  protected:
    void SetUp() override {
        window->Property(L"Type", Variant(ide::kDocumentWindow));
        textWindow->Answer(kTextWindowId);
    }

    ComPtr<DispatchDouble> window = Child(application, L"ActiveWindow");
    ComPtr<DispatchDouble> textWindow = Child(window, L"Object");
    ComPtr<DispatchDouble> selection = Child(textWindow, L"Selection");
};

// What the commands do with the selection the golden cases run through this adapter; here only
// the way to it and what they do not reach.
TEST_F(TextEditorTest, ReachesTheSelectionOnlyThroughTheTextWindowInterface) {
    selection->On(L"SetBookmark", [](WORD, const Arguments&, VARIANT*) { return S_OK; });
    ide::Ref<ide::Window> active = environment->ActiveWindow();
    ASSERT_TRUE(active);
    EXPECT_EQ(active->Type(), ide::kDocumentWindow);
    auto text = active->Object()->Selection();
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->SetBookmark());
    EXPECT_FALSE(text->SelectLine());  // not a member of this double
    EXPECT_EQ(selection->CallTexts(), (Texts{"SetBookmark()"}));

    auto document = Child(application, L"ActiveDocument");
    Child(Child(document, L"ActiveWindow"), L"Object");  // answers IDispatch only
    EXPECT_FALSE(environment->ActiveDocument()->ActiveWindow()->Object());
}

// Every command finds its document's window the same as the active one in the golden cases;
// here a window of another object is not.
TEST_F(TextEditorTest, AWindowOfAnotherObjectIsNotTheSame) {
    auto elsewhere = DispatchDouble::Create();
    Child(elsewhere, L"ActiveWindow");
    ide::Ref<ide::Window> active = environment->ActiveWindow();
    ide::Ref<ide::Window> other = MakeEnvironment(elsewhere.Get())->ActiveWindow();
    ASSERT_TRUE(active && other);
    EXPECT_FALSE(other->IsSameObject(*active));
    EXPECT_FALSE(active->IsSameObject(*other));
}

// How commands are created, bound and placed on bars the setup golden cases check through the
// served workbench (bindings both ways); here what those cannot tell apart.
TEST_F(DispatchIdeTest, KeepsEachBarAndButtonToItsGeneration) {
    auto command = Child(Child(application, L"Commands"), L"Item");
    auto item = environment->GetCommands()->Item(1);
    ASSERT_TRUE(item);

    auto bars = Child(application, L"CommandBars");
    bars->Answer(kNewerCommandBarsId);
    auto bar = Child(bars, L"Item");
    bar->Property(L"Visible", Variant(false));
    auto all = environment->GetCommandBars();
    ASSERT_TRUE(all);
    EXPECT_FALSE(all->Generation(ide::BarGeneration::Older));
    auto found = all->Generation(ide::BarGeneration::Newer)->Item("Zentrel2");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Generation(), ide::BarGeneration::Newer);
    EXPECT_TRUE(found->SetVisible(true));
    EXPECT_EQ(bar->CallTexts(), (Texts{"Visible=true"}));

    auto control = Child(command, L"AddControl");
    control->Answer(kOlderButtonId);  // the wrong generation for this bar
    auto added = item->AddControl(*found, 2);
    ASSERT_TRUE(added);
    EXPECT_EQ(command->CallTexts().back(), "AddControl(<object>, 2)");
    EXPECT_FALSE(added->Button());
    control->Answer(kNewerButtonId);
    EXPECT_TRUE(added->Button());
}

TEST_F(DispatchIdeTest, ButtonsGetPictureAndMaskAsObjectsFromTheModulesBitmaps) {
    constexpr long kMenuPicture = 206;  // in adapter_test.rc
    ComPtr<IDispatch> picture = PictureFromBitmap(ModuleHandle(), kMenuPicture);
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture.As<IPictureDisp>(IID_IPictureDisp));
    EXPECT_EQ(Dispatch(picture).GetLong(L"Type"), PICTYPE_BITMAP);

    auto commands = Child(application, L"Commands");
    auto control = Child(Child(commands, L"Item"), L"AddControl");
    control->Answer(kOlderButtonId);
    control->Property(L"Picture", Variant());
    control->Property(L"Mask", Variant());
    Child(commands, L"AddCommandBar");
    auto all = environment->GetCommands();
    auto created = all->AddCommandBar("Zentrel2", 23, nullptr, 1);
    ASSERT_TRUE(created);
    auto button = all->Item(1)->AddControl(*created, 1)->Button();
    ASSERT_TRUE(button);
    EXPECT_TRUE(button->SetPicture(kMenuPicture));
    EXPECT_TRUE(button->SetMask(kMenuPicture));
    EXPECT_FALSE(button->SetPicture(9999));  // no such bitmap
    EXPECT_EQ(control->CallTexts(), (Texts{"Picture=<object>", "Mask=<object>"}));
    EXPECT_EQ(commands->CallTexts().front(), "AddCommandBar(\"Zentrel2\", 23, <missing>, 1)");
}

TEST_F(DispatchIdeTest, AddsBreakpointsWithTwelveArgumentsInOrder) {
    auto breakpoints = Child(Child(application, L"Debugger"), L"Breakpoints");
    auto created = Child(breakpoints, L"Add");
    created->Property(L"Count", Variant(1L));
    auto first = Child(created, L"Item");
    first->Property(L"Enabled", Variant(false));
    ide::BreakpointRequest request;
    request.file = "C:\\src\\a.cpp";
    request.line = 42;
    auto list = environment->GetDebugger()->GetBreakpoints()->Add(request);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Count(), 1);
    EXPECT_EQ(breakpoints->CallTexts(),
              (Texts{"Add(\"\", \"C:\\src\\a.cpp\", 42, 1, \"\", 1, \"\", \"\", 1, \"\", 0, 1)"}));
    auto item = list->Item(1);
    ASSERT_TRUE(item);
    EXPECT_TRUE(item->SetEnabled(true));
    EXPECT_EQ(first->CallTexts(), (Texts{"Enabled=true"}));
}

TEST_F(DispatchIdeTest, AbsentObjectsAndFailedCallsAreEmpty) {
    EXPECT_FALSE(environment->ActiveDocument());
    EXPECT_FALSE(environment->GetCommands());
    EXPECT_EQ(environment->Version(), "");
    EXPECT_FALSE(environment->SetSuppressUI(true));
    EXPECT_FALSE(MakeEnvironment(nullptr));
}

}  // namespace
}  // namespace win32::test
