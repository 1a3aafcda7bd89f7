// A scriptable automation object for the adapter's tests: members are handlers by name, every
// call is recorded with its arguments rendered as text, and QueryInterface answers the ids it
// was told to.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "win32/com_ptr.h"
#include "win32/variant.h"

namespace win32::test {

// Arguments in the natural order; the handler fills the result and answers the call's status.
using Arguments = std::vector<VARIANT*>;
using Handler = std::function<HRESULT(WORD flags, const Arguments& arguments, VARIANT* result)>;

class CDispatchDouble : public IDispatch {
  public:
    struct Call {
        std::string text;  // Name(arguments) for calls and reads, Name=value for writes
        WORD flags;
    };

    static ComPtr<CDispatchDouble> Create();

    // A member answering any kind of call.
    void On(const std::wstring& name, Handler handler);
    // A property read and written like a field.
    void Property(const std::wstring& name, Variant value);
    // A read-only property holding another object.
    void Child(const std::wstring& name, const ComPtr<CDispatchDouble>& child);
    // QueryInterface answers this id with the object itself.
    void Answer(const IID& id) { answered_.push_back(id); }

    int IdLookups(const std::wstring& name) const;
    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<std::string> CallTexts() const;
    ULONG References() const { return references_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO*, UINT*) override;

  private:
    CDispatchDouble() = default;
    virtual ~CDispatchDouble() = default;

    ULONG references_ = 0;
    std::vector<std::wstring> names_;  // a member's id is its index
    std::vector<Handler> handlers_;
    std::map<std::wstring, int> lookups_;
    std::vector<IID> answered_;
    std::vector<Call> calls_;
};

}  // namespace win32::test
