// Property pages: a collection of named values.
#include "win32/dispatch_objects.h"

namespace win32 {

namespace {

ide::Value ToValue(const Variant& value) {
    VARTYPE type = value.Type();
    if (type == (VT_VARIANT | VT_BYREF))
        type = value.Get()->pvarVal ? value.Get()->pvarVal->vt : static_cast<VARTYPE>(VT_EMPTY);
    switch (static_cast<VARTYPE>(type & ~VT_BYREF)) {
        case VT_BOOL:
            return value.ToBool().value_or(false);
        case VT_I1:
        case VT_UI1:
        case VT_I2:
        case VT_UI2:
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
            if (auto number = value.ToLong())
                return *number;
            return {};
        case VT_BSTR:
            if (auto text = value.ToText())
                return *text;
            return {};
        default:
            return {};
    }
}

Variant FromValue(const ide::Value& value) {
    if (auto flag = std::get_if<bool>(&value))
        return Variant(*flag);
    if (auto number = std::get_if<long>(&value))
        return Variant(*number);
    if (auto text = std::get_if<std::string>(&value))
        return Variant(*text);
    return Variant();
}

class DispatchProperty : public ide::Property, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    std::string Name() override { return target_.GetText(L"Name"); }
    ide::Value GetValue() override {
        auto value = target_.Get(L"Value");
        return value ? ToValue(*value) : ide::Value();
    }
    bool SetValue(const ide::Value& value) override {
        return target_.Put(L"Value", FromValue(value));
    }
};

class DispatchProperties : public ide::Properties, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    long Count() override { return target_.GetLong(L"Count"); }
    ide::Ref<ide::Property> Item(long index) override {
        return Wrap<DispatchProperty>(target_.GetDispatch(L"Item", index));
    }
};

}  // namespace

ide::Ref<ide::Properties> MakeProperties(ComPtr<IDispatch> object) {
    return Wrap<DispatchProperties>(std::move(object));
}

}  // namespace win32
