// Documents and their windows.
#include "win32/dispatch_objects.h"
#include "win32/ide_interfaces.h"

namespace win32 {

namespace {

ComPtr<IUnknown> Identity(IDispatch* object) {
    ComPtr<IUnknown> identity;
    if (!object ||
        FAILED(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity.Receive()))))
        return {};
    return identity;
}

class DispatchWindow : public ide::Window, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    long Type() override { return target_.GetLong(L"Type"); }
    ide::Ref<ide::TextWindow> Object() override {
        ComPtr<IDispatch> object = target_.GetDispatch(L"Object");
        return MakeTextWindow(QueryDual(object.Get(), kTextWindowId));
    }
    bool IsSameObject(ide::Window& other) override {
        ComPtr<IUnknown> mine = Identity(target_.Object());
        return mine && mine.Get() == Identity(DispatchOf(&other)).Get();
    }
};

class DispatchWindows : public ide::Windows, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    long Count() override { return target_.GetLong(L"Count"); }
};

class DispatchDocument : public ide::Document, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    std::string FullName() override { return target_.GetText(L"FullName"); }
    std::string Type() override { return target_.GetText(L"Type"); }
    ide::Ref<ide::Window> ActiveWindow() override {
        return MakeWindow(target_.GetDispatch(L"ActiveWindow"));
    }
    ide::Ref<ide::Windows> GetWindows() override {
        return Wrap<DispatchWindows>(target_.GetDispatch(L"Windows"));
    }
    bool Saved() override { return target_.GetBool(L"Saved"); }
    long Save(const std::string& fileName) override {
        auto status = target_.Call(L"Save", fileName);
        return status ? status->ToLong().value_or(0) : 0;
    }
    std::string Language() override { return target_.GetText(L"Language"); }
    bool SetLanguage(const std::string& language) override {
        return target_.Put(L"Language", language);
    }
};

class DispatchDocuments : public ide::Documents, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    long Count() override { return target_.GetLong(L"Count"); }
    ide::Ref<ide::Document> Item(long index) override {
        return MakeDocument(target_.GetDispatch(L"Item", index));
    }
    ide::Ref<ide::Document> Open(const std::string& path, const std::string& viewKind,
                                 bool readOnly) override {
        auto document = target_.Call(L"Open", path, viewKind, readOnly);
        return MakeDocument(document ? document->ToDispatch() : ComPtr<IDispatch>());
    }
};

}  // namespace

ComPtr<IDispatch> QueryDual(IDispatch* object, REFIID id) {
    void* answer = nullptr;
    if (!object || FAILED(object->QueryInterface(id, &answer)) || !answer)
        return {};
    return ComPtr<IDispatch>::Adopt(static_cast<IDispatch*>(answer));
}

ide::Ref<ide::Window> MakeWindow(ComPtr<IDispatch> object) {
    return Wrap<DispatchWindow>(std::move(object));
}

ide::Ref<ide::Document> MakeDocument(ComPtr<IDispatch> object) {
    return Wrap<DispatchDocument>(std::move(object));
}

ide::Ref<ide::Documents> MakeDocuments(ComPtr<IDispatch> object) {
    return Wrap<DispatchDocuments>(std::move(object));
}

}  // namespace win32
