// Small stand-ins for the IDE's collections, for tests that need only a few of its objects.
#pragma once

#include <string>
#include <vector>

#include "editor/ide.h"

namespace editor::testing_fakes {

// A one-based collection, as the IDE's are.
template <class Base, class Element>
class FakeCollection : public Base {
  public:
    std::vector<ide::Ref<Element>> items;
    long Count() override { return static_cast<long>(items.size()); }
    ide::Ref<Element> Item(long index) override {
        return index >= 1 && index <= Count() ? items[static_cast<std::size_t>(index - 1)]
                                              : nullptr;
    }
};

class FakeProperty : public ide::Property {
  public:
    FakeProperty(std::string name, ide::Value value)
        : name_(std::move(name)), value_(std::move(value)) {}
    std::string Name() override { return name_; }
    ide::Value GetValue() override { return value_; }
    bool SetValue(const ide::Value& value) override {
        value_ = value;
        return true;
    }

  private:
    std::string name_;
    ide::Value value_;
};

using FakeProperties = FakeCollection<ide::Properties, ide::Property>;
using FakeItems = FakeCollection<ide::ProjectItems, ide::ProjectItem>;

class FakeProject : public ide::Project {
  public:
    ide::Ref<ide::ProjectItems> items;
    std::string Name() override { return "p"; }
    std::string FullName() override { return "p"; }
    ide::Ref<ide::ProjectItems> GetProjectItems() override { return items; }
};

class FakeItem : public ide::ProjectItem {
  public:
    std::string kind;
    std::string file;
    ide::Ref<ide::ProjectItems> children;
    ide::Ref<ide::Project> subProject;
    std::string Kind() override { return kind; }
    std::string FileNames(short index) override { return index == 0 ? file : std::string(); }
    ide::Ref<ide::ProjectItems> GetProjectItems() override { return children; }
    ide::Ref<ide::Project> SubProject() override { return subProject; }
};

}  // namespace editor::testing_fakes
