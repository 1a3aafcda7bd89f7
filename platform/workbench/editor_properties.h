// The C/C++ text editor's property page ("TextEditor", "C/C++").
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/ide.h"

namespace workbench {

class EditorProperty : public ide::Property {
  public:
    EditorProperty(std::string name, ide::Value value)
        : name_(std::move(name)), value_(std::move(value)) {}
    std::string Name() override { return name_; }
    ide::Value GetValue() override { return value_; }
    bool SetValue(const ide::Value& value) override;

    const std::string& name() const { return name_; }
    const ide::Value& value() const { return value_; }

  private:
    std::string name_;
    ide::Value value_;
};

class EditorProperties : public ide::Properties {
  public:
    static constexpr long kDefaultTabSize = 4;

    // Holds "TabSize" 4 and "InsertTabs" true, as a fresh IDE does.
    EditorProperties();

    long Count() override { return static_cast<long>(properties_.size()); }
    ide::Ref<ide::Property> Item(long index) override;

    // Replaces the value of a property, or appends a new one.
    void Set(const std::string& name, const ide::Value& value);
    bool Remove(const std::string& name);
    // "TabSize" when it holds a number of at least 1, else the default.
    long TabSize() const;

  private:
    std::vector<std::shared_ptr<EditorProperty>> properties_;
};

}  // namespace workbench
