// The registered add-in connected to the workbench served over IDispatch: the first start sets
// up commands, toolbar and marker, a later one creates nothing, and Exec runs commands.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Zentrel2.h"
#include "host/command_setup.h"
#include "host/command_table.h"
#include "ide_servers.h"
#include "test_support.h"
#include "win32/ansi_text.h"
#include "workbench/file_io.h"
#include "workbench/workbench.h"

namespace e2e {
namespace {

using win32::ComPtr;

constexpr wchar_t kSetupKey[] = L"Software\\Tarn\\Zentrel2\\Setup";

// Registration leaves the key empty; so does each test.
void ClearSetup() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kSetupKey);
    HKEY key = nullptr;
    if (RegCreateKeyW(HKEY_CURRENT_USER, kSetupKey, &key) == ERROR_SUCCESS)
        RegCloseKey(key);
}

std::optional<DWORD> Marker(const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kSetupKey, name, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

class WorkbenchOverComTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(apartment_.Result());
        ClearSetup();
        bench_->SetBuiltInSchemesReadOnly(false);
    }
    void TearDown() override { ClearSetup(); }

    ComPtr<IDTExtensibility2> Connect() {
        ComPtr<IDTExtensibility2> addIn;
        EXPECT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_Connect, nullptr, CLSCTX_INPROC_SERVER,
                                                  IID_IDTExtensibility2,
                                                  reinterpret_cast<void**>(addIn.Receive())));
        EXPECT_TRUE(addIn && SUCCEEDED(addIn->OnConnection(application_.Get(), 0,
                                                           addInObject_.Get(), nullptr)));
        return addIn;
    }

    VARIANT_BOOL Exec(const ComPtr<IDTExtensibility2>& addIn, const wchar_t* name) {
        auto target = addIn.As<IDTCommandTarget>(IID_IDTCommandTarget);
        VARIANT_BOOL handled = VARIANT_TRUE;
        BSTR command = SysAllocString(name);
        EXPECT_HRESULT_SUCCEEDED(target->Exec(command, 0, nullptr, nullptr, &handled));
        SysFreeString(command);
        return handled;
    }

    std::vector<workbench::CommandState> AddInCommands() const {
        std::vector<workbench::CommandState> out;
        for (const auto& command : bench_->CurrentIdeState().commands) {
            if (command.name.starts_with("Zentrel2."))
                out.push_back(command);
        }
        return out;
    }

    win32::testing::ComApartment apartment_;
    std::shared_ptr<workbench::Workbench> bench_ = std::make_shared<workbench::Workbench>();
    ComPtr<IDispatch> application_ = ServeEnvironment(bench_);
    ComPtr<IDispatch> addInObject_ = ServeAddIn(bench_->AddInInstance());
};

TEST_F(WorkbenchOverComTest, FirstConnectionCreatesCommandsBindingsToolbarAndMarker) {
    auto addIn = Connect();
    const auto commands = AddInCommands();
    ASSERT_GE(commands.size(), host::kCommandCount);
    for (std::size_t row = 0; row < host::kCommandCount; ++row) {
        const host::CommandDef& def = host::kCommandTable[row];
        EXPECT_EQ(commands[row].name, std::string("Zentrel2.") + def.name);
        EXPECT_EQ(commands[row].bindings, host::BindingsFor(def.binding)) << def.name;
    }

    const auto bars = bench_->CurrentIdeState().bars;
    auto toolbar = std::find_if(bars.begin(), bars.end(),
                                [](const auto& bar) { return bar.name == "Zentrel2"; });
    ASSERT_NE(toolbar, bars.end());
    EXPECT_EQ(toolbar->buttons, (std::vector<workbench::ButtonState>{
                                    {1, "Zentrel2.Menu", 1, kPictureGiven, kPictureGiven},
                                    {2, "Zentrel2.CodeMenu", 1, kPictureGiven, kPictureGiven}}));
    EXPECT_EQ(Marker(L"8.0"), 1u);
    EXPECT_HRESULT_SUCCEEDED(addIn->OnDisconnection(0, nullptr));
}

TEST_F(WorkbenchOverComTest, ASecondAddInObjectCreatesNothing) {
    auto first = Connect();
    ASSERT_HRESULT_SUCCEEDED(first->OnDisconnection(0, nullptr));
    first.Reset();
    ASSERT_GE(AddInCommands().size(), host::kCommandCount);
    const workbench::IdeState before = bench_->CurrentIdeState();
    auto second = Connect();
    EXPECT_EQ(bench_->CurrentIdeState(), before);
    EXPECT_HRESULT_SUCCEEDED(second->OnDisconnection(0, nullptr));
}

TEST_F(WorkbenchOverComTest, FriendFileOpensTheFriendAndUnknownNamesAreNotHandled) {
    wchar_t temp[MAX_PATH + 1] = {};
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    const std::filesystem::path dir =
        std::filesystem::path(temp) / ("zentrel2-e2e-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "a.h") << "int a();\n";
    std::ofstream(dir / "a.cpp") << "int a() { return 1; }\n";
    std::string error;
    ASSERT_TRUE(bench_->OpenFile((dir / "a.cpp").string(), error)) << error;

    auto addIn = Connect();
    EXPECT_EQ(Exec(addIn, L"Zentrel2.FriendFile"), VARIANT_TRUE);
    ide::Ref<ide::Document> active = bench_->ActiveDocument();
    ASSERT_TRUE(active);
    EXPECT_EQ(active->FullName(), workbench::NormalizePath((dir / "a.h").string()));
    EXPECT_EQ(bench_->DocumentStates().size(), 2u);

    EXPECT_EQ(Exec(addIn, L"Zentrel2.NoSuchCommand"), VARIANT_FALSE);
    EXPECT_EQ(Exec(addIn, L"Other.FriendFile"), VARIANT_FALSE);
    EXPECT_HRESULT_SUCCEEDED(addIn->OnDisconnection(0, nullptr));
    addIn.Reset();
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace e2e
