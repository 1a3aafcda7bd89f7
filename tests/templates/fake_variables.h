// A variable source with fixed answers, for the expansion tests.
#pragma once

#include <map>

#include "templates/variable_source.h"

namespace templates {

struct FakeVariables : VariableSource {
    std::string selection;
    std::string text;
    long caretLine = 0;
    long topLine = 10;
    std::string path = "/src/shape.cpp";
    std::string solution;
    std::string project;
    std::string author;
    std::optional<analysis::MemberList> members;
    std::map<std::string, std::string> environment;

    std::string SelectedText() override { return selection; }
    std::string DocumentText() override { return text; }
    long CaretLine() override { return caretLine; }
    long SelectionTopLine() override { return topLine; }
    std::string DocumentPath() override { return path; }
    editor::PathStyle PathStyle() override { return editor::PathStyle::Posix; }
    std::string SolutionPath() override { return solution; }
    std::string FirstProjectName() override { return project; }
    std::string Author() override { return author; }
    const analysis::MemberList* Members() override { return members ? &*members : nullptr; }
    analysis::PasteStyle PasteStyle() override { return {}; }
    std::optional<std::string> EnvironmentVariable(const std::string& name) override {
        const auto found = environment.find(name);
        if (found == environment.end())
            return std::nullopt;
        return found->second;
    }
    std::string FormatTime(const std::string& format) override { return "<" + format + ">"; }

    // Members read as Copy Members reads them.
    void CopyMembers(std::initializer_list<const char*> declarations) {
        members.emplace();
        for (const char* declaration : declarations) {
            auto record = std::make_unique<analysis::MemberRecord>();
            analysis::ParseDeclaration(false, *record, declaration, "CShape", "private:");
            members->push_back(std::move(record));
        }
    }
};

}  // namespace templates
