#include "workbench/editor_properties.h"

#include <algorithm>

namespace workbench {

bool EditorProperty::SetValue(const ide::Value& value) {
    value_ = value;
    return true;
}

EditorProperties::EditorProperties() {
    Set("TabSize", kDefaultTabSize);
    Set("InsertTabs", true);
}

ide::Ref<ide::Property> EditorProperties::Item(long index) {
    if (index < 1 || index > Count())
        return nullptr;
    return properties_[static_cast<std::size_t>(index - 1)];
}

void EditorProperties::Set(const std::string& name, const ide::Value& value) {
    for (auto& property : properties_) {
        if (property->name() == name) {
            property->SetValue(value);
            return;
        }
    }
    properties_.push_back(std::make_shared<EditorProperty>(name, value));
}

bool EditorProperties::Remove(const std::string& name) {
    auto found = std::find_if(properties_.begin(), properties_.end(),
                              [&](const auto& property) { return property->name() == name; });
    if (found == properties_.end())
        return false;
    properties_.erase(found);
    return true;
}

long EditorProperties::TabSize() const {
    for (const auto& property : properties_) {
        if (property->name() != "TabSize")
            continue;
        const long* size = std::get_if<long>(&property->value());
        return size != nullptr && *size >= 1 ? *size : kDefaultTabSize;
    }
    return kDefaultTabSize;
}

}  // namespace workbench
