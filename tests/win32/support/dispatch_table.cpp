#include "dispatch_table.h"

#include <utility>

namespace win32::test {

void DispatchTable::On(std::wstring name, Handler handler) {
    names_.push_back(std::move(name));
    handlers_.push_back(std::move(handler));
}

HRESULT DispatchTable::QueryInterface(REFIID id, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    bool answers = IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch);
    for (const IID& known : answered_)
        answers = answers || IsEqualIID(id, known);
    if (!answers)
        return QueryOther(id, object);
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

ULONG DispatchTable::Release() {
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT DispatchTable::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    // Named arguments are not supported: only a member's own name is resolved.
    if (count != 1)
        return E_INVALIDARG;
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (ignoreCase_ ? _wcsicmp(names_[i].c_str(), names[0]) == 0 : names_[i] == names[0]) {
            ids[0] = static_cast<DISPID>(i);
            return S_OK;
        }
    }
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT DispatchTable::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                              VARIANT* result, EXCEPINFO*, UINT*) {
    if (id < 0 || static_cast<std::size_t>(id) >= handlers_.size())
        return DISP_E_MEMBERNOTFOUND;
    const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    if (put &&
        (parameters->cNamedArgs != 1 || parameters->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT))
        return DISP_E_PARAMNOTOPTIONAL;
    Arguments arguments;
    for (UINT i = parameters->cArgs; i > 0; --i)
        arguments.push_back(&parameters->rgvarg[i - 1]);
    Called(names_[static_cast<std::size_t>(id)], flags, arguments);
    return handlers_[static_cast<std::size_t>(id)](flags, arguments, result);
}

}  // namespace win32::test
