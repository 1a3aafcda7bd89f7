#include "workbench/keyboard_scheme.h"

namespace workbench {

bool KeyboardScheme::SetValue(const std::string& value) {
    if (value.empty())
        return false;
    value_ = value;
    return true;
}

bool SchemeProperty::SetValue(const ide::Value& value) {
    const std::string* text = std::get_if<std::string>(&value);
    return text != nullptr && scheme_->SetValue(*text);
}

ide::Ref<ide::Property> KeyboardProperties::Item(long index) {
    return index == 1 ? scheme_ : nullptr;
}

}  // namespace workbench
