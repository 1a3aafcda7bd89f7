// Small stand-ins for the IDE's collections, for tests that need only a few of its objects.
#pragma once

#include <string>
#include <vector>

#include "editor/ide.h"

namespace editor::testing_fakes {

// A one-based collection, as the IDE's are.
template <class Base, class Element>
struct FakeCollection : Base {
    std::vector<ide::Ref<Element>> items;
    long Count() override { return static_cast<long>(items.size()); }
    ide::Ref<Element> Item(long index) override {
        return index >= 1 && index <= Count() ? items[static_cast<std::size_t>(index - 1)]
                                              : nullptr;
    }
};

struct FakeProperty : ide::Property {
    FakeProperty(std::string n, ide::Value v) : name(std::move(n)), value(std::move(v)) {}
    std::string Name() override { return name; }
    ide::Value GetValue() override { return value; }
    bool SetValue(const ide::Value&) override { return false; }
    std::string name;
    ide::Value value;
};

using FakeProperties = FakeCollection<ide::Properties, ide::Property>;
using FakeItems = FakeCollection<ide::ProjectItems, ide::ProjectItem>;

struct FakeProject : ide::Project {
    ide::Ref<ide::ProjectItems> items;
    std::string Name() override { return "p"; }
    std::string FullName() override { return "p"; }
    ide::Ref<ide::ProjectItems> GetProjectItems() override { return items; }
};

struct FakeItem : ide::ProjectItem {
    FakeItem(std::string k, std::string f, ide::Ref<ide::ProjectItems> c = nullptr)
        : kind(std::move(k)), file(std::move(f)), children(std::move(c)) {}
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
