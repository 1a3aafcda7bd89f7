#include "win32/dispatch_ide.h"

#include <gtest/gtest.h>

#include "dispatch_double.h"
#include "win32/ansi_text.h"
#include "win32/ide_interfaces.h"

namespace win32::test {
namespace {

using Texts = std::vector<std::string>;

HRESULT Succeed(WORD, const Arguments&, VARIANT*) {
    return S_OK;
}

// A member answering with a fresh object each call, as the IDE does for Item or Add.
Handler Answering(const ComPtr<CDispatchDouble>& child) {
    return [child](WORD, const Arguments&, VARIANT* result) {
        result->vt = VT_DISPATCH;
        result->pdispVal = child.Get();
        child->AddRef();
        return S_OK;
    };
}

// The active window of a document, reached the way the core reaches it.
ide::Ref<ide::Window> MakeDocumentWindow(const ComPtr<CDispatchDouble>& document) {
    auto application = CDispatchDouble::Create();
    application->Child(L"ActiveDocument", document);
    auto active = MakeEnvironment(application.Get())->ActiveDocument();
    return active ? active->ActiveWindow() : nullptr;
}

class DispatchIdeTest : public ::testing::Test {
  protected:
    ComPtr<CDispatchDouble> application = CDispatchDouble::Create();
    ide::Ref<ide::Environment> environment = MakeEnvironment(application.Get());
};

// Builds window -> object (text window) -> selection, as the IDE presents a text editor.
struct TextEditorDouble {
    ComPtr<CDispatchDouble> window = CDispatchDouble::Create();
    ComPtr<CDispatchDouble> textWindow = CDispatchDouble::Create();
    ComPtr<CDispatchDouble> selection = CDispatchDouble::Create();

    TextEditorDouble() {
        window->Property(L"Type", Variant(ide::kDocumentWindow));
        window->Child(L"Object", textWindow);
        textWindow->Answer(kTextWindowId);
        textWindow->Child(L"Selection", selection);
    }
};

TEST_F(DispatchIdeTest, ReachesTheSelectionThroughTheTextWindowInterface) {
    TextEditorDouble editor;
    application->Child(L"ActiveWindow", editor.window);
    editor.selection->Property(L"Text", Variant("int x;"));
    editor.selection->Property(L"CurrentLine", Variant(7L));

    ide::Ref<ide::Window> window = environment->ActiveWindow();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->Type(), ide::kDocumentWindow);
    ide::Ref<ide::TextWindow> text = window->Object();
    ASSERT_TRUE(text);
    ide::Ref<ide::TextSelection> selection = text->Selection();
    ASSERT_TRUE(selection);
    EXPECT_EQ(selection->Text(), "int x;");
    EXPECT_EQ(selection->CurrentLine(), 7);
    EXPECT_TRUE(selection->SetText("long y;"));
    EXPECT_EQ(selection->Text(), "long y;");
}

TEST_F(DispatchIdeTest, WindowWithoutTheTextInterfaceHasNoTextObject) {
    auto window = CDispatchDouble::Create();
    window->Child(L"Object", CDispatchDouble::Create());  // answers IDispatch only
    application->Child(L"ActiveWindow", window);
    ide::Ref<ide::Window> active = environment->ActiveWindow();
    ASSERT_TRUE(active);
    EXPECT_FALSE(active->Object());
}

TEST_F(DispatchIdeTest, ComparesWindowsByComIdentity) {
    TextEditorDouble editor;
    auto document = CDispatchDouble::Create();
    document->Child(L"ActiveWindow", editor.window);
    application->Child(L"ActiveDocument", document);
    application->Child(L"ActiveWindow", editor.window);

    ide::Ref<ide::Window> active = environment->ActiveWindow();
    ide::Ref<ide::Window> documentWindow = environment->ActiveDocument()->ActiveWindow();
    ASSERT_TRUE(active && documentWindow);
    EXPECT_NE(active.get(), documentWindow.get());
    EXPECT_TRUE(documentWindow->IsSameObject(*active));

    auto elsewhere = CDispatchDouble::Create();
    auto background = CDispatchDouble::Create();
    background->Child(L"ActiveWindow", elsewhere);
    ide::Ref<ide::Window> other = MakeDocumentWindow(background);
    ASSERT_TRUE(other);
    EXPECT_FALSE(other->IsSameObject(*active));
    EXPECT_FALSE(active->IsSameObject(*other));
}

TEST_F(DispatchIdeTest, MovesAndFindsWithTheIdesArguments) {
    TextEditorDouble editor;
    application->Child(L"ActiveWindow", editor.window);
    CDispatchDouble& selection = *editor.selection.Get();
    for (const wchar_t* name : {L"MoveToLineAndOffset", L"MoveToDisplayColumn", L"CharLeft",
                                L"CharRight", L"LineUp", L"LineDown", L"StartOfLine", L"EndOfLine",
                                L"GotoLine", L"Insert", L"Delete", L"SetBookmark"})
        selection.On(name, Succeed);
    selection.On(L"FindText", [](WORD, const Arguments& arguments, VARIANT* result) {
        result->vt = VT_BOOL;
        result->boolVal = FromBstr(arguments[0]->bstrVal) == "found" ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    });

    auto text = environment->ActiveWindow()->Object()->Selection();
    EXPECT_TRUE(text->MoveTo(3, 5, true));
    EXPECT_TRUE(text->MoveToDisplayColumn(4, 9, false));
    EXPECT_TRUE(text->CharLeft(true, 2));
    EXPECT_TRUE(text->LineDown(false, 1));
    EXPECT_TRUE(text->StartOfLine(1, false));
    EXPECT_TRUE(text->GotoLine(12, true));
    EXPECT_TRUE(text->Insert("x\r\n", ide::kInsertKeepEnd));
    EXPECT_TRUE(text->Delete(1));
    EXPECT_TRUE(text->FindText("found", ide::kFindMatchCase | ide::kFindRegExpr));
    EXPECT_FALSE(text->FindText("absent", 0));
    EXPECT_FALSE(text->SelectLine());  // not a member of this double

    EXPECT_EQ(selection.CallTexts(),
              (Texts{"MoveToLineAndOffset(3, 5, true)", "MoveToDisplayColumn(4, 9, false)",
                     "CharLeft(true, 2)", "LineDown(false, 1)", "StartOfLine(1, false)",
                     "GotoLine(12, true)", "Insert(\"x\r\n\", 1)", "Delete(1)",
                     "FindText(\"found\", 12)", "FindText(\"absent\", 0)"}));
}

TEST_F(DispatchIdeTest, ReadsPointsWholeAndMissingPointsAsNothing) {
    TextEditorDouble editor;
    application->Child(L"ActiveWindow", editor.window);
    auto point = CDispatchDouble::Create();
    point->Property(L"Line", Variant(4L));
    point->Property(L"LineCharOffset", Variant(2L));
    point->Property(L"DisplayColumn", Variant(5L));
    point->Property(L"AtStartOfLine", Variant(false));
    point->Property(L"AtEndOfLine", Variant(true));
    editor.selection->Child(L"TopPoint", point);

    auto selection = environment->ActiveWindow()->Object()->Selection();
    std::optional<ide::Point> top = selection->TopPoint();
    ASSERT_TRUE(top);
    EXPECT_EQ(top->line, 4);
    EXPECT_EQ(top->lineCharOffset, 2);
    EXPECT_EQ(top->displayColumn, 5);
    EXPECT_FALSE(top->atStartOfLine);
    EXPECT_TRUE(top->atEndOfLine);
    EXPECT_FALSE(selection->BottomPoint());
}

TEST_F(DispatchIdeTest, ConvertsPropertyValuesByKind) {
    auto page = CDispatchDouble::Create();
    std::vector<ComPtr<CDispatchDouble>> items;
    auto add = [&](Variant value) {
        items.push_back(CDispatchDouble::Create());
        items.back()->Property(L"Value", std::move(value));
    };
    add(Variant(4L));
    add(Variant(false));
    add(Variant("text"));
    page->Property(L"Count", Variant(3L));
    page->On(L"Item", [&](WORD, const Arguments& arguments, VARIANT* result) {
        const auto index = static_cast<std::size_t>(arguments[0]->lVal - 1);
        if (index >= items.size())
            return E_INVALIDARG;
        result->vt = VT_DISPATCH;
        result->pdispVal = items[index].Get();
        result->pdispVal->AddRef();
        return S_OK;
    });
    application->On(L"Properties", Answering(page));

    auto properties = environment->GetProperties("TextEditor", "C/C++");
    ASSERT_TRUE(properties);
    EXPECT_EQ(application->CallTexts().back(), "Properties(\"TextEditor\", \"C/C++\")");
    EXPECT_EQ(properties->Count(), 3);
    EXPECT_EQ(properties->Item(1)->GetValue(), ide::Value(4L));
    EXPECT_EQ(properties->Item(2)->GetValue(), ide::Value(false));
    EXPECT_EQ(properties->Item(3)->GetValue(), ide::Value(std::string("text")));
    EXPECT_TRUE(properties->Item(2)->SetValue(true));
    EXPECT_EQ(properties->Item(2)->GetValue(), ide::Value(true));
    EXPECT_FALSE(properties->Item(4));
}

TEST_F(DispatchIdeTest, CommandBindingsCrossAsArraysOfTexts) {
    auto commands = CDispatchDouble::Create();
    auto command = CDispatchDouble::Create();
    command->Property(L"Bindings", Variant::TextArray({"Global::Ctrl+1", "Text Editor::Ctrl+1"}));
    commands->On(L"Item", Answering(command));
    application->Child(L"Commands", commands);

    auto item = environment->GetCommands()->Item(1);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->Bindings(), (Texts{"Global::Ctrl+1", "Text Editor::Ctrl+1"}));
    EXPECT_TRUE(item->SetBindings({}));
    EXPECT_TRUE(item->Bindings().empty());
    EXPECT_EQ(command->CallTexts().at(1), "Bindings=[]");
}

TEST_F(DispatchIdeTest, CreatesCommandsForTheAddInInstance) {
    auto commands = CDispatchDouble::Create();
    auto created = CDispatchDouble::Create();
    created->Property(L"Name", Variant("Zentrel2.Connect.FriendFile"));
    commands->On(L"AddNamedCommand", Answering(created));
    application->Child(L"Commands", commands);
    auto instance = CDispatchDouble::Create();
    ide::Ref<ide::AddIn> addIn = MakeAddIn(instance.Get());

    auto command = environment->GetCommands()->AddNamedCommand(addIn.get(), "FriendFile", "Friend",
                                                               "Open the friend", true, 205, 3);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->Name(), "Zentrel2.Connect.FriendFile");
    EXPECT_EQ(commands->CallTexts(),
              (Texts{"AddNamedCommand(<object>, \"FriendFile\", \"Friend\", \"Open the "
                     "friend\", true, 205, [], 3)"}));
}

TEST_F(DispatchIdeTest, AsksTheBarsForEachGenerationAndTheButtonsOfTheBarsOne) {
    auto bars = CDispatchDouble::Create();
    bars->Answer(kNewerCommandBarsId);
    auto bar = CDispatchDouble::Create();
    bar->Property(L"Name", Variant("Zentrel2"));
    bar->Property(L"Visible", Variant(false));
    bars->On(L"Item", Answering(bar));
    application->Child(L"CommandBars", bars);

    auto all = environment->GetCommandBars();
    ASSERT_TRUE(all);
    EXPECT_FALSE(all->Generation(ide::BarGeneration::Older));
    auto newer = all->Generation(ide::BarGeneration::Newer);
    ASSERT_TRUE(newer);
    auto found = newer->Item("Zentrel2");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Generation(), ide::BarGeneration::Newer);
    EXPECT_TRUE(found->SetVisible(true));
    EXPECT_EQ(bar->CallTexts(), (Texts{"Visible=true"}));

    auto command = CDispatchDouble::Create();
    auto control = CDispatchDouble::Create();
    control->Answer(kOlderButtonId);  // the wrong generation for this bar
    command->On(L"AddControl", Answering(control));
    auto commands = CDispatchDouble::Create();
    commands->On(L"Item", Answering(command));
    application->Child(L"Commands", commands);

    auto added = environment->GetCommands()->Item(1)->AddControl(*found, 2);
    ASSERT_TRUE(added);
    EXPECT_EQ(command->CallTexts(), (Texts{"AddControl(<object>, 2)"}));
    EXPECT_FALSE(added->Button());
    control->Answer(kNewerButtonId);
    auto button = added->Button();
    ASSERT_TRUE(button);
    control->Property(L"Style", Variant(0L));
    EXPECT_TRUE(button->SetStyle(ide::kButtonStyleIcon));
    EXPECT_EQ(control->CallTexts().back(), "Style=1");
}

TEST_F(DispatchIdeTest, AddsBreakpointsWithTwelveArgumentsInOrder) {
    auto debugger = CDispatchDouble::Create();
    auto breakpoints = CDispatchDouble::Create();
    auto created = CDispatchDouble::Create();
    created->Property(L"Count", Variant(1L));
    breakpoints->On(L"Add", Answering(created));
    debugger->Child(L"Breakpoints", breakpoints);
    application->Child(L"Debugger", debugger);

    ide::BreakpointRequest request;
    request.file = "C:\\src\\a.cpp";
    request.line = 42;
    auto list = environment->GetDebugger()->GetBreakpoints()->Add(request);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Count(), 1);
    EXPECT_EQ(breakpoints->CallTexts(),
              (Texts{"Add(\"\", \"C:\\src\\a.cpp\", 42, 1, \"\", 1, \"\", \"\", 1, \"\", 0, "
                     "1)"}));
}

TEST_F(DispatchIdeTest, WalksSolutionProjectsAndItems) {
    auto solution = CDispatchDouble::Create();
    auto projects = CDispatchDouble::Create();
    auto project = CDispatchDouble::Create();
    auto items = CDispatchDouble::Create();
    auto item = CDispatchDouble::Create();
    solution->Property(L"FullName", Variant("C:\\s\\all.sln"));
    solution->Child(L"Projects", projects);
    projects->Property(L"Count", Variant(1L));
    projects->On(L"Item", Answering(project));
    project->Property(L"Name", Variant("core"));
    project->Child(L"ProjectItems", items);
    items->On(L"Item", Answering(item));
    item->Property(L"Kind", Variant(ide::kItemPhysicalFile));
    item->On(L"FileNames", [](WORD, const Arguments& arguments, VARIANT* result) {
        result->vt = VT_BSTR;
        result->bstrVal = AllocBstr(arguments[0]->vt == VT_I2 ? "C:\\s\\a.cpp" : "wrong kind");
        return S_OK;
    });
    application->Child(L"Solution", solution);

    auto found = environment->GetSolution();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->FullName(), "C:\\s\\all.sln");
    auto first = found->GetProjects()->Item(1);
    EXPECT_EQ(first->Name(), "core");
    auto file = first->GetProjectItems()->Item(1);
    EXPECT_EQ(file->Kind(), ide::kItemPhysicalFile);
    EXPECT_EQ(file->FileNames(0), "C:\\s\\a.cpp");
    EXPECT_FALSE(file->SubProject());
}

TEST_F(DispatchIdeTest, AbsentObjectsAndFailedCallsAreEmpty) {
    EXPECT_FALSE(environment->ActiveDocument());
    EXPECT_FALSE(environment->GetDocuments());
    EXPECT_FALSE(environment->GetSolution());
    EXPECT_FALSE(environment->GetCommands());
    EXPECT_FALSE(environment->GetCommandBars());
    EXPECT_EQ(environment->Version(), "");
    EXPECT_FALSE(environment->SuppressUI());
    EXPECT_FALSE(environment->SetSuppressUI(true));
    EXPECT_FALSE(MakeEnvironment(nullptr));

    application->Property(L"SuppressUI", Variant(false));
    auto later = MakeEnvironment(application.Get());
    EXPECT_TRUE(later->SetSuppressUI(true));
    EXPECT_TRUE(later->SuppressUI());
}

TEST_F(DispatchIdeTest, EveryReferenceIsReleasedByItsHolder) {
    TextEditorDouble editor;
    application->Child(L"ActiveWindow", editor.window);
    const ULONG window = editor.window->References();
    const ULONG selection = editor.selection->References();
    {
        auto text = environment->ActiveWindow()->Object()->Selection();
        EXPECT_GT(editor.selection->References(), selection);
    }
    EXPECT_EQ(editor.window->References(), window);
    EXPECT_EQ(editor.textWindow->References(), 2u);  // the test's and the window's field
    EXPECT_EQ(editor.selection->References(), selection);
}

}  // namespace
}  // namespace win32::test
