// The add-in called late-bound, as a script calls it: each member found by name through either
// of its dispatch interfaces, or by the command target's own ids, then invoked.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "com_ide.h"
#include "win32/variant.h"

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

class LateBound : public ComIde {
  protected:
    void SetUp() override {
        ComIde::SetUp();
        fs::create_directories(folder_);
        Connect();
    }
    void TearDown() override {
        ComIde::TearDown();
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
    // The add-in interface's members by its own ids through the default interface, and by name
    // through the command target's too; an unknown name is refused.
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    const DISPID kOnStartupComplete = 4;
    DISPID found = DISPID_UNKNOWN;
    LPOLESTR name = const_cast<LPOLESTR>(L"OnStartupComplete");
    EXPECT_HRESULT_SUCCEEDED(byDefault->GetIDsOfNames(IID_NULL, &name, 1, 0, &found));
    EXPECT_EQ(found, kOnStartupComplete);
    EXPECT_HRESULT_SUCCEEDED(Call(byDefault.Get(), nullptr, kOnStartupComplete,
                                  {Reference(VT_ARRAY | VT_VARIANT, &custom)}));
    EXPECT_EQ(Call(byDefault.Get(), L"NoSuchMember", 0, {}), DISP_E_UNKNOWNNAME);
    Variant mode(0L);
    EXPECT_HRESULT_SUCCEEDED(Call(target.Get(), L"OnDisconnection", 0,
                                  {*mode.Get(), Reference(VT_ARRAY | VT_VARIANT, &custom)}));
    SafeArrayDestroy(custom);
    EXPECT_EQ(Commentize(byDefault.Get(), L"Exec", 0).second, false) << "disconnected";
    addIn_.Reset();
}

}  // namespace
}  // namespace e2e
