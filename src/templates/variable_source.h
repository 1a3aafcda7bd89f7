// What the variables of a template read: the document, its selection, the IDE's solution,
// the settings, the copied members, the environment and the clock.
#pragma once

#include <optional>
#include <string>

#include "analysis/member_record.h"
#include "editor/path_style.h"

namespace templates {

class VariableSource {
  public:
    virtual ~VariableSource() = default;

    virtual std::string SelectedText() = 0;
    // The document as saved on disk.
    virtual std::string DocumentText() = 0;
    // 0-based.
    virtual long CaretLine() = 0;
    // 1-based line where the selection begins.
    virtual long SelectionTopLine() = 0;
    virtual std::string DocumentPath() = 0;
    virtual editor::PathStyle PathStyle() = 0;
    // The open solution's file, empty without one.
    virtual std::string SolutionPath() = 0;
    // The Name of the solution's first project, empty when it has no file.
    virtual std::string FirstProjectName() = 0;
    virtual std::string Author() = 0;
    // What Copy Members last read; none before it ran.
    virtual const analysis::MemberList* Members() = 0;
    virtual analysis::PasteStyle PasteStyle() = 0;
    virtual std::optional<std::string> EnvironmentVariable(const std::string& name) = 0;
    // The local time in strftime's format; empty when it does not fit 127 characters.
    virtual std::string FormatTime(const std::string& format) = 0;
};

}  // namespace templates
