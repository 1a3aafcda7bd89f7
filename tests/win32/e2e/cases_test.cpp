// The golden cases of tests/e2e/cases run through the registered add-in under Wine, with the
// workbench served over IDispatch as the IDE, and what only the registry shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "com_ide.h"
#include "golden_case.h"
#include "settings/profile_document.h"
#include "win32/application.h"
#include "win32/registry_profile_store.h"
#include "zentrel/ide_files.h"
#include "zentrel/step.h"

#include <shellapi.h>

namespace e2e {
namespace {

using golden::fs::path;

// The profile file's values written where the add-in reads them; a malformed file gives none.
void LoadProfile(const path& file) {
    auto parsed = settings::ProfileDocument::Parse(golden::ReadFile(file));
    win32::RegistryProfileStore store;
    if (const auto* document = std::get_if<settings::ProfileDocument>(&parsed)) {
        document->ForEachValue([&](const std::string& section, const std::string& name,
                                   const settings::ProfileValue& value) {
            if (const auto* number = std::get_if<std::int32_t>(&value))
                store.WriteInt(section, name, *number);
            else
                store.WriteString(section, name, std::get<std::string>(value));
        });
    }
}

// What the clipboard holds, as zentrel reports it: the files of a drop list, else its text.
golden::Json Clipboard() {
    golden::Json held;
    if (!OpenClipboard(nullptr))
        return held;
    if (auto* files = static_cast<HDROP>(GetClipboardData(CF_HDROP))) {
        held["files"] = golden::Json::array();
        for (UINT i = 0; i < DragQueryFileA(files, 0xFFFFFFFF, nullptr, 0); ++i) {
            char name[MAX_PATH] = {};
            DragQueryFileA(files, i, name, MAX_PATH);
            held["files"].push_back(name);
        }
    } else if (HANDLE text = GetClipboardData(CF_TEXT)) {
        held["text"] = static_cast<const char*>(GlobalLock(text));
        GlobalUnlock(text);
    }
    CloseClipboard();
    return held;
}

class GoldenCase : public ComIde, public testing::WithParamInterface<std::string> {};

TEST_P(GoldenCase, RunsAsThroughZentrel) {
    const golden::Case c = golden::LoadCase(GetParam());
    if (!c.RunsOn("windows"))
        GTEST_SKIP() << "not a case for this host";
    const path work = golden::fs::temp_directory_path() /
                      ("zentrel2-case-" + std::to_string(GetCurrentProcessId())) / "work";
    golden::fs::remove_all(work.parent_path());
    c.Prepare(work);
    std::string error;
    std::vector<app::Step> steps;
    // The add-in's menus and parameter dialog answer from these and show no window.
    std::string answers;
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        const std::string& arg = c.steps[i];
        if (arg == "--profile" && i + 1 < c.steps.size())
            LoadProfile(work / c.steps[++i]);
        else if (arg == "--answer" && i + 1 < c.steps.size())
            answers +=
                (answers.empty() ? "" : std::string(1, win32::kAnswerSeparator)) + c.steps[++i];
        else if (arg == "--templates" && i + 1 < c.steps.size())
            SetEnvironmentVariableA(win32::kTemplatesVariable,
                                    (work / c.steps[++i]).string().c_str());
        else if (arg == "--solution" && i + 1 < c.steps.size())
            ASSERT_TRUE(bench_->LoadSolutionDirectory((work / c.steps[++i]).string(), error));
        else if (auto step = arg.starts_with("--") ? std::nullopt : app::ParseStep(arg, error))
            steps.push_back(*step);
        else
            FAIL() << arg << ": not for this host, list only posix in the case's hosts";
    }
    const path ideState = app::IdeStatePath(work / c.profile.value_or("zentrel.reg"));
    ASSERT_TRUE(bench_->LoadIdeState(ideState, error)) << error;
    bench_->SetBuiltInSchemesReadOnly(false);
    SetEnvironmentVariableA(win32::kAnswersVariable, answers.c_str());
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
    Connect();

    golden::Json handled = golden::Json::array();
    for (const app::Step& step : steps) {
        if (const auto* open = std::get_if<app::OpenStep>(&step)) {
            auto document = bench_->OpenFile((work / open->path).string(), error);
            ASSERT_TRUE(document &&
                        bench_->SetSelection(document, open->anchorLine, open->anchorColumn,
                                             open->caretLine, open->caretColumn, error))
                << error;
        } else if (const auto* name = std::get_if<app::NameStep>(&step)) {
            handled.push_back(Exec("Zentrel2." + name->name));
        } else if (const auto* keys = std::get_if<app::KeyStep>(&step)) {
            bench_->PressKeys(
                keys->keys, [&](const std::string& full) { return Exec(full); }, error);
        } else {
            // Picked from the add-in's menu, the only way to it here: the answer goes first.
            const int number = std::get<app::NumberStep>(step).number;
            char left[4096] = {};
            GetEnvironmentVariableA(win32::kAnswersVariable, left, sizeof left);
            SetEnvironmentVariableA(
                win32::kAnswersVariable,
                (std::to_string(number) + win32::kAnswerSeparator + left).c_str());
            Exec("Zentrel2.Menu");
        }
    }
    // Taken before the documents are written back, as zentrel does.
    const auto caret = bench_->ActiveCaret();
    golden::Json state;
    state["active"] = caret ? golden::Json{{"path", caret->path},
                                           {"anchor", {caret->anchorLine, caret->anchorColumn}},
                                           {"caret", {caret->caretLine, caret->caretColumn}}}
                            : golden::Json();
    state["documents"] = golden::Json::array();
    for (const auto& document : bench_->DocumentStates())
        state["documents"].push_back({{"path", document.path}, {"modified", document.modified}});
    state["handled"] = handled;
    state["clipboard"] = Clipboard();
    ASSERT_HRESULT_SUCCEEDED(addIn_->OnDisconnection(0, nullptr));
    addIn_.Reset();
    ASSERT_TRUE(bench_->SaveIdeState(ideState, error)) << error;
    ASSERT_TRUE(bench_->WriteBack(error)) << error;

    golden::Json expected = c.state.value_or(golden::Json::object());
    for (const auto& key : {"messages", "beeps", "breakpoints", "bookmarks", "menus", "dialogs"})
        expected.erase(key);
    const std::string differences =
        c.CompareFiles(work, false) + golden::CompareJson(expected, state, work);
    EXPECT_TRUE(differences.empty()) << differences << state.dump();
    golden::fs::remove_all(work.parent_path());
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCase, testing::ValuesIn(golden::CaseNames()),
                         [](const auto& info) { return golden::TestName(info.param); });

std::optional<DWORD> Marker(const wchar_t* name) {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Tarn\\Zentrel2\\Setup", name, RRF_RT_REG_DWORD,
                     nullptr, &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

using AddInUnderWine = ComIde;

TEST_F(AddInUnderWine, MarksItsSetupInTheRegistryAndSetsUpOnlyOnce) {
    Connect();
    EXPECT_EQ(Marker(L"8.0"), 1u);
    const workbench::IdeState before = bench_->CurrentIdeState();
    // The same object connected again, then a new object, create nothing.
    EXPECT_HRESULT_SUCCEEDED(Attach());
    EXPECT_EQ(bench_->CurrentIdeState(), before);
    ASSERT_HRESULT_SUCCEEDED(addIn_->OnDisconnection(0, nullptr));
    Connect();
    EXPECT_EQ(bench_->CurrentIdeState(), before);
}

TEST_F(AddInUnderWine, ExecTakesOnlyItsOwnNamesWithTheDefaultOption) {
    Connect();
    EXPECT_TRUE(Exec("zentrel2.FRIENDFILE"));
    EXPECT_FALSE(Exec("Zentrel2.FriendFile", 1));
    for (const char* name : {"Zentrel2.NoSuchCommand", "Other.FriendFile", "Zentrel2.Friend"})
        EXPECT_FALSE(Exec(name)) << name;
    auto target = addIn_.As<IDTCommandTarget>(IID_IDTCommandTarget);
    BSTR command = SysAllocString(L"Zentrel2.FriendFile");
    for (long wanted : {0L, 1L}) {
        long status = 12345;
        EXPECT_HRESULT_SUCCEEDED(target->QueryStatus(command, wanted, &status, nullptr));
        EXPECT_EQ(status, wanted == 0 ? 3 : 12345) << wanted;
    }
    SysFreeString(command);
}

}  // namespace
}  // namespace e2e
