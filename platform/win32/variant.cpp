#include "win32/variant.h"

#include <utility>

#include "win32/ansi_text.h"

namespace win32 {

namespace {

// Arrays come by value or by reference; the element type decides how to read them.
SAFEARRAY* ArrayOf(const VARIANT& value, VARTYPE& elementType) {
    if (!(value.vt & VT_ARRAY))
        return nullptr;
    elementType = value.vt & VT_TYPEMASK;
    if (value.vt & VT_BYREF)
        return value.pparray ? *value.pparray : nullptr;
    return value.parray;
}

std::optional<std::string> ElementText(SAFEARRAY* array, VARTYPE elementType, LONG index) {
    if (elementType == VT_BSTR) {
        BSTR text = nullptr;
        if (FAILED(SafeArrayGetElement(array, &index, &text)))
            return std::nullopt;
        std::string result;
        try {
            result = FromBstr(text);
        } catch (...) {
            SysFreeString(text);
            throw;
        }
        SysFreeString(text);
        return result;
    }
    Variant element;
    if (FAILED(SafeArrayGetElement(array, &index, element.Get())))
        return std::nullopt;
    return element.ToText();
}

// Automation's conversion leaves its source unchanged despite the signature.
HRESULT ChangeType(VARIANT* target, const VARIANT& source, VARTYPE type) {
    return VariantChangeType(target, const_cast<VARIANT*>(&source), 0, type);
}

}  // namespace

Variant::Variant(long value) : Variant() {
    value_.vt = VT_I4;
    value_.lVal = value;
}

Variant::Variant(short value) : Variant() {
    value_.vt = VT_I2;
    value_.iVal = value;
}

Variant::Variant(bool value) : Variant() {
    value_.vt = VT_BOOL;
    value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

Variant::Variant(std::string_view text) : Variant() {
    value_.bstrVal = AllocBstr(text);
    value_.vt = VT_BSTR;
}

Variant::Variant(IDispatch* object) : Variant() {
    value_.vt = VT_DISPATCH;
    value_.pdispVal = object;
    if (object)
        object->AddRef();
}

Variant Variant::Missing() {
    Variant result;
    result.value_.vt = VT_ERROR;
    result.value_.scode = DISP_E_PARAMNOTFOUND;
    return result;
}

Variant Variant::TextArray(const std::vector<std::string>& texts) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(texts.size()));
    if (!array)
        ThrowOutOfMemory();
    Variant result;
    result.value_.vt = VT_ARRAY | VT_VARIANT;
    result.value_.parray = array;
    for (LONG index = 0; index < static_cast<LONG>(texts.size()); ++index) {
        Variant element(texts[static_cast<std::size_t>(index)]);
        if (FAILED(SafeArrayPutElement(array, &index, element.Get())))
            ThrowOutOfMemory();
    }
    return result;
}

Variant::Variant(Variant&& other) noexcept : value_(other.value_) {
    VariantInit(&other.value_);
}

Variant& Variant::operator=(Variant&& other) noexcept {
    if (this != &other) {
        VariantClear(&value_);
        value_ = other.value_;
        VariantInit(&other.value_);
    }
    return *this;
}

std::optional<long> Variant::ToLong() const {
    Variant converted;
    if (FAILED(ChangeType(converted.Get(), value_, VT_I4)))
        return std::nullopt;
    return converted.value_.lVal;
}

std::optional<bool> Variant::ToBool() const {
    Variant converted;
    if (FAILED(ChangeType(converted.Get(), value_, VT_BOOL)))
        return std::nullopt;
    return converted.value_.boolVal != VARIANT_FALSE;
}

std::optional<std::string> Variant::ToText() const {
    if (value_.vt == VT_BSTR)
        return FromBstr(value_.bstrVal);
    Variant converted;
    const HRESULT result = ChangeType(converted.Get(), value_, VT_BSTR);
    if (result == E_OUTOFMEMORY)
        ThrowOutOfMemory();
    if (FAILED(result))
        return std::nullopt;
    return FromBstr(converted.value_.bstrVal);
}

ComPtr<IDispatch> Variant::ToDispatch() const {
    const VARIANT* value = &value_;
    if (value->vt == (VT_VARIANT | VT_BYREF) && value->pvarVal)
        value = value->pvarVal;
    switch (value->vt) {
        case VT_DISPATCH:
            return ComPtr<IDispatch>(value->pdispVal);
        case VT_UNKNOWN:
            return ComPtr<IUnknown>(value->punkVal).As<IDispatch>(IID_IDispatch);
        case VT_DISPATCH | VT_BYREF:
            return ComPtr<IDispatch>(value->ppdispVal ? *value->ppdispVal : nullptr);
        default:
            return {};
    }
}

std::optional<std::vector<std::string>> Variant::ToTextArray() const {
    VARTYPE elementType = VT_EMPTY;
    SAFEARRAY* array = ArrayOf(value_, elementType);
    if (!array || SafeArrayGetDim(array) != 1)
        return std::nullopt;
    if (elementType != VT_BSTR && elementType != VT_VARIANT)
        return std::nullopt;
    LONG lower = 0;
    LONG upper = -1;
    if (FAILED(SafeArrayGetLBound(array, 1, &lower)) ||
        FAILED(SafeArrayGetUBound(array, 1, &upper)))
        return std::nullopt;
    std::vector<std::string> texts;
    for (LONG index = lower; index <= upper; ++index) {
        std::optional<std::string> text = ElementText(array, elementType, index);
        if (!text)
            return std::nullopt;
        texts.push_back(std::move(*text));
    }
    return texts;
}

}  // namespace win32
