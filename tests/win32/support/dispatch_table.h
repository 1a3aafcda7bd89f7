// The IUnknown and IDispatch plumbing of the tests' automation objects: each member is a name
// bound to a handler, looked up by GetIDsOfNames and called through Invoke. Unknown names answer
// DISP_E_UNKNOWNNAME.
#pragma once

#include "win32/win_api.h"

#include <functional>
#include <string>
#include <vector>

namespace win32::test {

// Arguments in the natural order; a property put's value is the last.
using Arguments = std::vector<VARIANT*>;
// The handler fills the result and answers the call's status.
using Handler = std::function<HRESULT(WORD flags, const Arguments& arguments, VARIANT* result)>;

class DispatchTable : public IDispatch {
  public:
    // A member answering any kind of call.
    void On(std::wstring name, Handler handler);
    // QueryInterface answers this id with the object itself.
    void Answer(const IID& id) { answered_.push_back(id); }
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

  protected:
    explicit DispatchTable(bool ignoreCase) : ignoreCase_(ignoreCase) {}
    virtual ~DispatchTable() = default;

    // Ids answered by another object (a tear-off); E_NOINTERFACE unless overridden.
    virtual HRESULT QueryOther(REFIID, void**) { return E_NOINTERFACE; }
    // Told of every call to a known member before its handler runs.
    virtual void Called(const std::wstring&, WORD, const Arguments&) {}

  private:
    const bool ignoreCase_;
    ULONG references_ = 0;
    std::vector<std::wstring> names_;  // a member's id is its index
    std::vector<Handler> handlers_;
    std::vector<IID> answered_;
};

}  // namespace win32::test
