// The add-in as COM meets it: its class object, its interfaces, unloading. Needs the library
// registered (the registration fixture).
#include <gtest/gtest.h>

#include "Zentrel2.h"
#include "test_support.h"
#include "win32/com_ptr.h"

namespace win32 {
namespace {

using testing::ComApartment;

// One of the library's exports, as COM would call it.
template <class F>
F* Export(const char* name) {
    return reinterpret_cast<F*>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"Zentrel2.dll"), name)));
}

HRESULT CanUnloadNow() {
    return Export<HRESULT WINAPI()>("DllCanUnloadNow")();
}

ComPtr<IClassFactory> Factory() {
    ComPtr<IClassFactory> factory;
    EXPECT_HRESULT_SUCCEEDED(CoGetClassObject(CLSID_Connect, CLSCTX_INPROC_SERVER, nullptr,
                                              IID_IClassFactory,
                                              reinterpret_cast<void**>(factory.Receive())));
    return factory;
}

TEST(ComServerTest, ClassObjectOnlyForConnectAndWithoutAggregation) {
    ComApartment apartment;
    ComPtr<IClassFactory> factory = Factory();
    ASSERT_TRUE(factory);
    void* other = reinterpret_cast<void*>(1);
    EXPECT_EQ(Export<HRESULT WINAPI(REFCLSID, REFIID, void**)>("DllGetClassObject")(
                  IID_IDTCommandTarget, IID_IClassFactory, &other),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(other, nullptr);
    ComPtr<IUnknown> aggregated;
    EXPECT_EQ(factory->CreateInstance(reinterpret_cast<IUnknown*>(factory.Get()), IID_IUnknown,
                                      reinterpret_cast<void**>(aggregated.Receive())),
              CLASS_E_NOAGGREGATION);
}

TEST(ComServerTest, CanUnloadOnlyWithoutObjectsAndLocks) {
    ComApartment apartment;
    ComPtr<IClassFactory> factory = Factory();
    ASSERT_TRUE(factory);
    ComPtr<IUnknown> object;
    ASSERT_HRESULT_SUCCEEDED(
        factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(object.Receive())));
    factory->LockServer(TRUE);
    factory.Reset();
    EXPECT_EQ(CanUnloadNow(), S_FALSE) << "an object and a lock are alive";
    object.Reset();
    EXPECT_EQ(CanUnloadNow(), S_FALSE) << "a lock is held";

    factory = Factory();
    factory->LockServer(FALSE);
    EXPECT_EQ(CanUnloadNow(), S_FALSE) << "the class object is alive";
    factory.Reset();
    EXPECT_EQ(CanUnloadNow(), S_OK);
}

TEST(ComServerTest, ConnectAnswersExactlyItsFourInterfacesWithOneIdentityAndNeedsNoIde) {
    ComApartment apartment;
    ComPtr<IUnknown> identity;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_Connect, nullptr, CLSCTX_INPROC_SERVER,
                                              IID_IUnknown,
                                              reinterpret_cast<void**>(identity.Receive())));
    const IID answered[] = {IID_IUnknown, IID_IDispatch, IID_IDTExtensibility2,
                            IID_IDTCommandTarget};
    for (const IID& iid : answered) {
        ComPtr<IUnknown> part = identity.As<IUnknown>(iid);
        ASSERT_TRUE(part);
        EXPECT_EQ(part.As<IUnknown>(IID_IUnknown).Get(), identity.Get());
    }
    for (const IID& iid : {IID_IClassFactory, IID_IProvideClassInfo, IID_IMarshal}) {
        void* object = reinterpret_cast<void*>(1);
        EXPECT_EQ(identity->QueryInterface(iid, &object), E_NOINTERFACE);
        EXPECT_EQ(object, nullptr);
    }

    // An application object that is not the IDE leaves the add-in unconnected.
    ComPtr<IDTExtensibility2> addIn = identity.As<IDTExtensibility2>(IID_IDTExtensibility2);
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    ComPtr<IDispatch> notTheIde = identity.As<IDispatch>(IID_IDispatch);
    EXPECT_HRESULT_SUCCEEDED(addIn->OnConnection(notTheIde.Get(), 0, nullptr, &custom));
    EXPECT_HRESULT_SUCCEEDED(addIn->OnDisconnection(0, &custom));
    SafeArrayDestroy(custom);
}

}  // namespace
}  // namespace win32
