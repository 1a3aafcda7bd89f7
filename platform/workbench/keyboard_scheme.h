// The active keyboard scheme and the property page ("Environment", "Keyboard") that shows it.
#pragma once

#include <memory>
#include <string>

#include "editor/ide.h"

namespace workbench {

class KeyboardScheme {
  public:
    // The scheme a fresh IDE runs with: built in, so read-only unless that switch is off.
    static constexpr const char* kDefault = "[Default Settings]";

    const std::string& Value() const { return value_; }
    // Any non-empty text; a value beginning with '[' names a built-in scheme, anything else a
    // scheme file.
    bool SetValue(const std::string& value);
    bool BuiltIn() const { return value_.starts_with('['); }

    bool BuiltInReadOnly() const { return builtInReadOnly_; }
    void SetBuiltInReadOnly(bool readOnly) { builtInReadOnly_ = readOnly; }
    // Whether key bindings can be written into the active scheme.
    bool Writable() const { return !(BuiltIn() && builtInReadOnly_); }

  private:
    std::string value_ = kDefault;
    bool builtInReadOnly_ = true;
};

class SchemeProperty : public ide::Property {
  public:
    explicit SchemeProperty(std::shared_ptr<KeyboardScheme> scheme) : scheme_(std::move(scheme)) {}
    std::string Name() override { return "Scheme"; }
    ide::Value GetValue() override { return scheme_->Value(); }
    // Takes text only.
    bool SetValue(const ide::Value& value) override;

  private:
    std::shared_ptr<KeyboardScheme> scheme_;
};

// Its one item is "Scheme".
class KeyboardProperties : public ide::Properties {
  public:
    explicit KeyboardProperties(std::shared_ptr<KeyboardScheme> scheme)
        : scheme_(std::make_shared<SchemeProperty>(std::move(scheme))) {}
    long Count() override { return 1; }
    ide::Ref<ide::Property> Item(long index) override;

  private:
    std::shared_ptr<SchemeProperty> scheme_;
};

}  // namespace workbench
