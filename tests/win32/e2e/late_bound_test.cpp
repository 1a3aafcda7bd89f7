// The add-in called late-bound, as a script calls it: each member found by name through either
// of its dispatch interfaces, or by the command target's own ids, then invoked.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "Zentrel2.h"
#include "ide_servers.h"
#include "test_support.h"
#include "win32/variant.h"
#include "workbench/workbench.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;
using win32::ComPtr;
using win32::Variant;

// Calls the member `name`, or the one with `id` when no name is given, with the arguments in
// their natural order.
HRESULT Call(IDispatch* holder, const wchar_t* name, DISPID id, std::vector<VARIANT> arguments) {
    if (name) {
        LPOLESTR asked = const_cast<LPOLESTR>(name);
        if (const HRESULT found = holder->GetIDsOfNames(IID_NULL, &asked, 1, 0, &id); FAILED(found))
            return found;
    }
    std::reverse(arguments.begin(), arguments.end());
    DISPPARAMS parameters{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
    return holder->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &parameters, nullptr, nullptr, nullptr);
}

template <class T>
VARIANT Reference(VARTYPE type, T* value) {
    VARIANT reference;
    VariantInit(&reference);
    reference.vt = type | VT_BYREF;
    reference.byref = value;
    return reference;
}

void ClearProfile() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarn\\Zentrel2");
    HKEY key = nullptr;
    if (RegCreateKeyW(HKEY_CURRENT_USER, L"Software\\Tarn\\Zentrel2\\Setup", &key) == 0)
        RegCloseKey(key);
}

class LateBound : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(apartment_.Result());
        ClearProfile();
        bench_->SetBuiltInSchemesReadOnly(false);
        fs::create_directories(folder_);
        ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_Connect, nullptr, CLSCTX_INPROC_SERVER,
                                                  IID_IDTExtensibility2,
                                                  reinterpret_cast<void**>(addIn_.Receive())));
        ASSERT_HRESULT_SUCCEEDED(addIn_->OnConnection(
            ServeEnvironment(bench_).Get(), 0, ServeAddIn(bench_->AddInInstance()).Get(), nullptr));
    }
    void TearDown() override {
        addIn_.Reset();
        ClearProfile();
        fs::remove_all(folder_);
    }
    // A new one-line document, made the active one.
    ide::Ref<ide::Document> Open() {
        const fs::path file = folder_ / (std::to_string(++opened_) + ".cpp");
        std::ofstream(file) << "int x;\r\n";
        std::string error;
        ide::Ref<ide::Document> document = bench_->OpenFile(file.string(), error);
        EXPECT_TRUE(document && bench_->Activate(document)) << error;
        return document;
    }
    // Exec of Commentize on a new document: whether it was handled and changed the document.
    std::pair<bool, bool> Commentize(IDispatch* holder, const wchar_t* name, DISPID id) {
        ide::Ref<ide::Document> document = Open();
        Variant command("Zentrel2.Commentize"), option(0L), in, out;
        VARIANT_BOOL handled = VARIANT_FALSE;
        EXPECT_HRESULT_SUCCEEDED(
            Call(holder, name, id,
                 {*command.Get(), *option.Get(), Reference(VT_VARIANT, in.Get()),
                  Reference(VT_VARIANT, out.Get()), Reference(VT_BOOL, &handled)}));
        return {handled == VARIANT_TRUE, document && !document->Saved()};
    }

    win32::testing::ComApartment apartment_;
    std::shared_ptr<workbench::Workbench> bench_ = std::make_shared<workbench::Workbench>();
    ComPtr<IDTExtensibility2> addIn_;
    const fs::path folder_ =
        fs::temp_directory_path() / ("zentrel2-late-" + std::to_string(GetCurrentProcessId()));
    int opened_ = 0;
};

TEST_F(LateBound, QueryStatusAndExecReachTheCommandTargetThroughEitherInterface) {
    const ComPtr<IDispatch> byDefault = addIn_.As<IDispatch>(IID_IDispatch);
    const ComPtr<IDTCommandTarget> target = addIn_.As<IDTCommandTarget>(IID_IDTCommandTarget);
    ASSERT_TRUE(byDefault && target);
    const struct {
        const char* name;
        IDispatch* holder;
        const wchar_t* queryStatus;
        const wchar_t* exec;
    } cases[] = {
        {"the default IDispatch, by name", byDefault.Get(), L"QueryStatus", L"Exec"},
        {"the command target's, by name", target.Get(), L"queryStatus", L"EXEC"},
        {"the command target's, by its own ids 1 and 2", target.Get(), nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Variant command("Zentrel2.Commentize"), wanted(0L), text;
        LONG status = 0;
        EXPECT_HRESULT_SUCCEEDED(Call(c.holder, c.queryStatus, 1,
                                      {*command.Get(), *wanted.Get(), Reference(VT_I4, &status),
                                       Reference(VT_VARIANT, text.Get())}));
        EXPECT_EQ(status, 3);
        EXPECT_EQ(Commentize(c.holder, c.exec, 2), std::make_pair(true, true))
            << "handled, and the command ran: still connected";
    }
    // The add-in interface's members are found through the command target's too.
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    Variant mode(0L);
    EXPECT_HRESULT_SUCCEEDED(Call(target.Get(), L"OnDisconnection", 0,
                                  {*mode.Get(), Reference(VT_ARRAY | VT_VARIANT, &custom)}));
    SafeArrayDestroy(custom);
    EXPECT_EQ(Commentize(byDefault.Get(), L"Exec", 0).second, false) << "disconnected";
}

}  // namespace
}  // namespace e2e
