#include "dispatch_double.h"

#include <memory>
#include <utility>

#include "win32/ansi_text.h"

namespace win32::test {
namespace {

// "7", "(short)0", "true", "\"text\"", "<object>", "<null>", "<missing>", "[\"a\", \"b\"]".
std::string Render(const VARIANT& value) {
    if (value.vt == (VT_VARIANT | VT_BYREF))
        return Render(*value.pvarVal);
    switch (value.vt) {
        case VT_I4:
            return std::to_string(value.lVal);
        case VT_I2:
            return "(short)" + std::to_string(value.iVal);
        case VT_BOOL:
            return value.boolVal ? "true" : "false";
        case VT_BSTR:
            return "\"" + FromBstr(value.bstrVal) + "\"";
        case VT_DISPATCH:
        case VT_UNKNOWN:
            return value.punkVal ? "<object>" : "<null>";
        case VT_ERROR:
            return value.scode == DISP_E_PARAMNOTFOUND ? "<missing>" : "<error>";
        default:
            break;
    }
    Variant copy;
    VariantCopy(copy.Get(), const_cast<VARIANT*>(&value));
    std::string out = "[";
    for (const std::string& text : copy.ToTextArray().value_or(std::vector<std::string>()))
        out += (out.size() > 1 ? ", \"" : "\"") + text + "\"";
    return out + "]";
}

}  // namespace

ComPtr<DispatchDouble> DispatchDouble::Create() {
    return ComPtr<DispatchDouble>(new DispatchDouble(true));
}

void DispatchDouble::On(std::wstring name, Handler handler) {
    names_.push_back(std::move(name));
    handlers_.push_back(std::move(handler));
}

void DispatchDouble::Property(const std::wstring& name, Variant value) {
    auto field = std::make_shared<Variant>(std::move(value));
    On(name, [field](WORD flags, const Arguments& arguments, VARIANT* result) {
        if (flags & DISPATCH_PROPERTYPUT)
            return arguments.empty() ? DISP_E_BADPARAMCOUNT
                                     : VariantCopy(field->Get(), arguments.back());
        return result ? VariantCopy(result, field->Get()) : S_OK;
    });
}

void DispatchDouble::Child(const std::wstring& name, const ComPtr<DispatchDouble>& child) {
    Property(name, Variant(static_cast<IDispatch*>(child.Get())));
}

int DispatchDouble::IdLookups(const std::wstring& name) const {
    auto found = lookups_.find(name);
    return found == lookups_.end() ? 0 : found->second;
}

std::vector<std::string> DispatchDouble::CallTexts() const {
    std::vector<std::string> texts;
    for (const Call& call : calls_)
        texts.push_back(call.text);
    return texts;
}

HRESULT DispatchDouble::QueryInterface(REFIID id, void** object) {
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

ULONG DispatchDouble::Release() {
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT DispatchDouble::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    // Named arguments are not supported: only a member's own name is resolved.
    if (count != 1)
        return E_INVALIDARG;
    ++lookups_[names[0]];
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (exact_ ? names_[i] == names[0] : _wcsicmp(names_[i].c_str(), names[0]) == 0) {
            ids[0] = static_cast<DISPID>(i);
            return S_OK;
        }
    }
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT DispatchDouble::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
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
    const std::wstring& name = names_[static_cast<std::size_t>(id)];
    if (exact_) {
        std::string rendered;
        for (std::size_t i = 0; i < arguments.size(); ++i)
            rendered += (i ? ", " : "") + Render(*arguments[i]);
        calls_.push_back({Narrow(name) + (put ? "=" + rendered : "(" + rendered + ")"), flags});
    }
    return handlers_[static_cast<std::size_t>(id)](flags, arguments, result);
}

}  // namespace win32::test
