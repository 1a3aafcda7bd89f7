// The variables' source in the IDE: the attached document, the IDE's solution, the settings
// and the members Copy Members keeps.
#pragma once

#include "commands/command_context.h"
#include "editor/editor_document.h"
#include "templates/variable_source.h"

namespace templates {

class DocumentVariables : public VariableSource {
  public:
    DocumentVariables(editor::EditorDocument& document, const commands::CommandContext& context)
        : document_(document), context_(context) {}

    std::string SelectedText() override { return document_.GetSelectedText(false); }
    std::string DocumentText() override { return document_.GetText(); }
    long CaretLine() override { return document_.CaretLine(); }
    long SelectionTopLine() override;
    std::string DocumentPath() override { return document_.FullPath(); }
    editor::PathStyle PathStyle() override { return editor::NativePathStyle(); }
    std::string SolutionPath() override;
    std::string FirstProjectName() override;
    std::string Author() override { return context_.settings.templateAuthor; }
    const analysis::MemberList* Members() override;
    analysis::PasteStyle PasteStyle() override;
    std::optional<std::string> EnvironmentVariable(const std::string& name) override {
        return context_.platform.GetEnvironmentVariable(name);
    }
    std::string FormatTime(const std::string& format) override;

  private:
    editor::EditorDocument& document_;
    const commands::CommandContext& context_;
};

}  // namespace templates
