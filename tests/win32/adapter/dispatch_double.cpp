#include "dispatch_double.h"

#include <memory>

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

ComPtr<CDispatchDouble> CDispatchDouble::Create() {
    return ComPtr<CDispatchDouble>(new CDispatchDouble());
}

void CDispatchDouble::Property(const std::wstring& name, Variant value) {
    auto field = std::make_shared<Variant>(std::move(value));
    On(name, [field](WORD flags, const Arguments& arguments, VARIANT* result) {
        if (flags & DISPATCH_PROPERTYPUT)
            return arguments.empty() ? DISP_E_BADPARAMCOUNT
                                     : VariantCopy(field->Get(), arguments.back());
        return result ? VariantCopy(result, field->Get()) : S_OK;
    });
}

void CDispatchDouble::Child(const std::wstring& name, const ComPtr<CDispatchDouble>& child) {
    Property(name, Variant(static_cast<IDispatch*>(child.Get())));
}

int CDispatchDouble::IdLookups(const std::wstring& name) const {
    auto found = lookups_.find(name);
    return found == lookups_.end() ? 0 : found->second;
}

std::vector<std::string> CDispatchDouble::CallTexts() const {
    std::vector<std::string> texts;
    for (const Call& call : calls_)
        texts.push_back(call.text);
    return texts;
}

HRESULT CDispatchDouble::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                       DISPID* ids) {
    if (count == 1)
        ++lookups_[names[0]];
    return DispatchTable::GetIDsOfNames(riid, names, count, locale, ids);
}

void CDispatchDouble::Called(const std::wstring& name, WORD flags, const Arguments& arguments) {
    std::string rendered;
    for (std::size_t i = 0; i < arguments.size(); ++i)
        rendered += (i ? ", " : "") + Render(*arguments[i]);
    const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    calls_.push_back({Narrow(name) + (put ? "=" + rendered : "(" + rendered + ")"), flags});
}

}  // namespace win32::test
