// The add-in as the IDE meets it: created through COM by its ProgIDs, asked for interfaces,
// and called on its command target. Needs the library registered (the registration fixture).
#include <gtest/gtest.h>

#include "Zentrel2.h"
#include "test_support.h"
#include "win32/com_ptr.h"

namespace win32 {
namespace {

using testing::ComApartment;

class ConnectObjectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_HRESULT_SUCCEEDED(apartment_.Result());
        ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_Connect, nullptr, CLSCTX_INPROC_SERVER,
                                                  IID_IDTCommandTarget,
                                                  reinterpret_cast<void**>(target_.Receive())));
    }

    ComApartment apartment_;
    ComPtr<IDTCommandTarget> target_;
};

// The library's own DllCanUnloadNow, as COM would call it.
HRESULT CanUnloadNow() {
    HMODULE library = GetModuleHandleW(L"Zentrel2.dll");
    if (!library)
        return E_FAIL;
    auto query = reinterpret_cast<HRESULT(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllCanUnloadNow")));
    return query ? query() : E_FAIL;
}

TEST(ComServerTest, BothProgIdsCreateTheConnectClass) {
    ComApartment apartment;
    for (const wchar_t* progId : {L"Zentrel2", L"Zentrel2.1"}) {
        SCOPED_TRACE(progId[8] == L'\0' ? "Zentrel2" : "Zentrel2.1");
        CLSID found{};
        ASSERT_HRESULT_SUCCEEDED(CLSIDFromProgID(progId, &found));
        EXPECT_TRUE(IsEqualCLSID(found, CLSID_Connect));
        ComPtr<IUnknown> object;
        EXPECT_HRESULT_SUCCEEDED(CoCreateInstance(found, nullptr, CLSCTX_ALL, IID_IUnknown,
                                                  reinterpret_cast<void**>(object.Receive())));
        EXPECT_TRUE(object);
    }
}

TEST(ComServerTest, ClassObjectOnlyForConnect) {
    ComApartment apartment;
    ComPtr<IClassFactory> factory;
    ASSERT_HRESULT_SUCCEEDED(CoGetClassObject(CLSID_Connect, CLSCTX_INPROC_SERVER, nullptr,
                                              IID_IClassFactory,
                                              reinterpret_cast<void**>(factory.Receive())));
    HMODULE library = GetModuleHandleW(L"Zentrel2.dll");
    ASSERT_NE(library, nullptr);
    auto getClassObject = reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllGetClassObject")));
    ASSERT_NE(getClassObject, nullptr);
    void* other = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(IID_IDTCommandTarget, IID_IClassFactory, &other),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(other, nullptr);

    // Aggregation is refused: the object has no outer-aware identity.
    ComPtr<IUnknown> aggregated;
    EXPECT_EQ(factory->CreateInstance(reinterpret_cast<IUnknown*>(factory.Get()), IID_IUnknown,
                                      reinterpret_cast<void**>(aggregated.Receive())),
              CLASS_E_NOAGGREGATION);
}

TEST(ComServerTest, CanUnloadOnlyWithoutObjectsAndLocks) {
    ComApartment apartment;
    ComPtr<IClassFactory> factory;
    ASSERT_HRESULT_SUCCEEDED(CoGetClassObject(CLSID_Connect, CLSCTX_INPROC_SERVER, nullptr,
                                              IID_IClassFactory,
                                              reinterpret_cast<void**>(factory.Receive())));
    ComPtr<IUnknown> object;
    ASSERT_HRESULT_SUCCEEDED(
        factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(object.Receive())));
    factory->LockServer(TRUE);
    factory.Reset();
    EXPECT_EQ(CanUnloadNow(), S_FALSE) << "an object and a lock are alive";
    object.Reset();
    EXPECT_EQ(CanUnloadNow(), S_FALSE) << "a lock is held";

    ASSERT_HRESULT_SUCCEEDED(CoGetClassObject(CLSID_Connect, CLSCTX_INPROC_SERVER, nullptr,
                                              IID_IClassFactory,
                                              reinterpret_cast<void**>(factory.Receive())));
    factory->LockServer(FALSE);
    EXPECT_EQ(CanUnloadNow(), S_FALSE) << "the class object is alive";
    factory.Reset();
    EXPECT_EQ(CanUnloadNow(), S_OK);
}

TEST_F(ConnectObjectTest, AnswersExactlyItsFourInterfacesWithOneIdentity) {
    ComPtr<IUnknown> identity = target_.As<IUnknown>(IID_IUnknown);
    ASSERT_TRUE(identity);
    const IID answered[] = {IID_IUnknown, IID_IDispatch, IID_IDTExtensibility2,
                            IID_IDTCommandTarget};
    for (const IID& iid : answered) {
        ComPtr<IUnknown> part = target_.As<IUnknown>(iid);
        ASSERT_TRUE(part);
        EXPECT_EQ(part.As<IUnknown>(IID_IUnknown).Get(), identity.Get());
    }
    const IID refused[] = {
        IID_IClassFactory,     IID_IPersist,   IID_IPersistStreamInit,        IID_IProvideClassInfo,
        IID_ISupportErrorInfo, IID_IOleObject, IID_IConnectionPointContainer, IID_IMarshal};
    for (const IID& iid : refused) {
        void* object = reinterpret_cast<void*>(1);
        EXPECT_EQ(identity->QueryInterface(iid, &object), E_NOINTERFACE);
        EXPECT_EQ(object, nullptr);
    }
}

TEST_F(ConnectObjectTest, DispatchIsServedByTheAddInInterface) {
    ComPtr<IDispatch> dispatch = target_.As<IDispatch>(IID_IDispatch);
    ASSERT_TRUE(dispatch);
    UINT count = 0;
    ASSERT_HRESULT_SUCCEEDED(dispatch->GetTypeInfoCount(&count));
    EXPECT_EQ(count, 1u);

    ComPtr<ITypeInfo> info;
    ASSERT_HRESULT_SUCCEEDED(dispatch->GetTypeInfo(0, 0, info.Receive()));
    TYPEATTR* attributes = nullptr;
    ASSERT_HRESULT_SUCCEEDED(info->GetTypeAttr(&attributes));
    EXPECT_TRUE(IsEqualIID(attributes->guid, IID_IDTExtensibility2));
    info->ReleaseTypeAttr(attributes);

    const wchar_t* names[] = {L"OnConnection", L"OnDisconnection", L"OnAddInsUpdate",
                              L"OnStartupComplete", L"OnBeginShutdown"};
    for (DISPID expected = 1; const wchar_t* name : names) {
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR asked = const_cast<LPOLESTR>(name);
        EXPECT_HRESULT_SUCCEEDED(dispatch->GetIDsOfNames(IID_NULL, &asked, 1, 0, &id));
        EXPECT_EQ(id, expected++);
    }
    DISPID unknown = 0;
    LPOLESTR exec = const_cast<LPOLESTR>(L"NoSuchMember");
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, &exec, 1, 0, &unknown), DISP_E_UNKNOWNNAME);

    // A late-bound call reaches the vtable through the type information.
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_ARRAY | VT_VARIANT | VT_BYREF;
    argument.pparray = &custom;
    DISPPARAMS parameters = {&argument, nullptr, 1, 0};
    EXPECT_HRESULT_SUCCEEDED(
        dispatch->Invoke(4, IID_NULL, 0, DISPATCH_METHOD, &parameters, nullptr, nullptr, nullptr));
    SafeArrayDestroy(custom);
}

TEST_F(ConnectObjectTest, QueryStatusSetsSupportedAndEnabledOnlyWhenNoTextIsWanted) {
    BSTR name = SysAllocString(L"Zentrel2.FriendFile");
    VARIANT text;
    VariantInit(&text);
    struct Case {
        LONG neededText;
        LONG expected;
    };
    for (const Case& c : {Case{0, 3}, Case{1, 12345}, Case{2, 12345}}) {
        LONG status = 12345;
        EXPECT_HRESULT_SUCCEEDED(target_->QueryStatus(name, c.neededText, &status, &text));
        EXPECT_EQ(status, c.expected) << "needed text " << c.neededText;
    }
    SysFreeString(name);
}

TEST_F(ConnectObjectTest, ExecSetsHandledOnlyForTableCommandsWithTheDefaultOption) {
    struct Case {
        const wchar_t* name;
        LONG option;
        VARIANT_BOOL expected;
    };
    // Step Down does nothing while no IDE is connected, so it can run here.
    const Case cases[] = {
        {L"zentrel2.stepdown", 0, VARIANT_TRUE},
        {L"Zentrel2.StepDown", 1, VARIANT_FALSE},
        {L"Zentrel2.StepDown", 2, VARIANT_FALSE},
        {L"Zentrel2.StepDownX", 0, VARIANT_FALSE},
        {L"StepDown", 0, VARIANT_FALSE},
        {L"Zentrel2.NoSuchCommand", 0, VARIANT_FALSE},
        {L"", 0, VARIANT_FALSE},
    };
    for (const Case& c : cases) {
        BSTR name = SysAllocString(c.name);
        VARIANT in, out;
        VariantInit(&in);
        VariantInit(&out);
        VARIANT_BOOL handled = c.expected == VARIANT_TRUE ? VARIANT_FALSE : VARIANT_TRUE;
        EXPECT_HRESULT_SUCCEEDED(target_->Exec(name, c.option, &in, &out, &handled));
        EXPECT_EQ(handled, c.expected) << "case " << (&c - cases);
        SysFreeString(name);
    }
}

TEST_F(ConnectObjectTest, LifecycleCallsSucceedWithoutAnIde) {
    ComPtr<IDTExtensibility2> addIn = target_.As<IDTExtensibility2>(IID_IDTExtensibility2);
    ASSERT_TRUE(addIn);
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    // An application object that is not the IDE leaves the add-in unconnected.
    ComPtr<IDispatch> notTheIde = target_.As<IDispatch>(IID_IDispatch);
    EXPECT_HRESULT_SUCCEEDED(addIn->OnConnection(notTheIde.Get(), 0, nullptr, &custom));
    EXPECT_HRESULT_SUCCEEDED(addIn->OnStartupComplete(&custom));
    EXPECT_HRESULT_SUCCEEDED(addIn->OnAddInsUpdate(&custom));
    EXPECT_HRESULT_SUCCEEDED(addIn->OnBeginShutdown(&custom));
    EXPECT_HRESULT_SUCCEEDED(addIn->OnDisconnection(0, &custom));
    SafeArrayDestroy(custom);
}

}  // namespace
}  // namespace win32
