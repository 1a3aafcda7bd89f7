// The tests' automation objects: each member is a name bound to a handler, looked up by
// GetIDsOfNames and called through Invoke; unknown names answer DISP_E_UNKNOWNNAME. One made by
// Create is the adapter tests' double: names match exactly and every call is recorded with its
// arguments rendered as text.
#pragma once

#include "win32/win_api.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "win32/com_ptr.h"
#include "win32/variant.h"

namespace win32::test {

// Arguments in the natural order; a property put's value is the last.
using Arguments = std::vector<VARIANT*>;
// The handler fills the result and answers the call's status.
using Handler = std::function<HRESULT(WORD flags, const Arguments& arguments, VARIANT* result)>;

class DispatchDouble : public IDispatch {
  public:
    struct Call {
        std::string text;  // Name(arguments) for calls and reads, Name=value for writes
        WORD flags;
    };

    static ComPtr<DispatchDouble> Create();

    // A member answering any kind of call.
    void On(std::wstring name, Handler handler);
    // A property read and written like a field.
    void Property(const std::wstring& name, Variant value);
    // A read-only property holding another object.
    void Child(const std::wstring& name, const ComPtr<DispatchDouble>& child);
    // QueryInterface answers this id with the object itself.
    void Answer(const IID& id) { answered_.push_back(id); }

    ULONG References() const { return references_; }
    int IdLookups(const std::wstring& name) const;
    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<std::string> CallTexts() const;

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

  protected:
    // `exact`: names match with their case, and calls are recorded.
    explicit DispatchDouble(bool exact) : exact_(exact) {}
    virtual ~DispatchDouble() = default;

    // Ids answered by another object (a tear-off); E_NOINTERFACE unless overridden.
    virtual HRESULT QueryOther(REFIID, void**) { return E_NOINTERFACE; }

  private:
    const bool exact_;
    ULONG references_ = 0;
    std::vector<std::wstring> names_;  // a member's id is its index
    std::vector<Handler> handlers_;
    std::vector<IID> answered_;
    std::map<std::wstring, int> lookups_;
    std::vector<Call> calls_;
};

}  // namespace win32::test
