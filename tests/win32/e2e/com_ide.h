// The IDE of one test: the workbench served over IDispatch, with the add-in created through COM
// and connected to it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Zentrel2.h"
#include "ide_servers.h"
#include "test_support.h"
#include "win32/application.h"
#include "win32/scripted_answers.h"
#include "workbench/workbench.h"

namespace e2e {

class ComIde : public testing::Test {
  protected:
    // Registration leaves the profile key holding an empty Setup key; so does every test.
    static void ClearProfile() {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarn\\Zentrel2");
        HKEY key = nullptr;
        if (RegCreateKeyW(HKEY_CURRENT_USER, L"Software\\Tarn\\Zentrel2\\Setup", &key) == 0)
            RegCloseKey(key);
    }
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(apartment_.Result());
        ClearProfile();
        // The prefix's data folder is shared by every test: the built-in scheme takes the keys.
        bench_->SetBuiltInSchemesReadOnly(false);
    }
    void TearDown() override {
        if (addIn_) {
            EXPECT_HRESULT_SUCCEEDED(addIn_->OnDisconnection(0, nullptr));
        }
        addIn_.Reset();
        ClearProfile();
        SetEnvironmentVariableA(win32::kAnswersVariable, nullptr);
        SetEnvironmentVariableA(win32::kTemplatesVariable, nullptr);
    }
    void Connect() {
        ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_Connect, nullptr, CLSCTX_INPROC_SERVER,
                                                  IID_IDTExtensibility2,
                                                  reinterpret_cast<void**>(addIn_.Receive())));
        ASSERT_HRESULT_SUCCEEDED(Attach());
    }
    HRESULT Attach() {
        return addIn_->OnConnection(ServeEnvironment(bench_).Get(), 0,
                                    ServeAddIn(bench_->AddInInstance()).Get(), nullptr);
    }
    bool Exec(const std::string& name, long option = 0) {
        auto target = addIn_.As<IDTCommandTarget>(IID_IDTCommandTarget);
        VARIANT_BOOL handled = VARIANT_TRUE;
        BSTR command = SysAllocString(std::wstring(name.begin(), name.end()).c_str());
        EXPECT_HRESULT_SUCCEEDED(target->Exec(command, option, nullptr, nullptr, &handled));
        SysFreeString(command);
        return handled == VARIANT_TRUE;
    }

    win32::testing::ComApartment apartment_;
    std::shared_ptr<workbench::Workbench> bench_ = std::make_shared<workbench::Workbench>();
    win32::ComPtr<IDTExtensibility2> addIn_;
};

}  // namespace e2e
