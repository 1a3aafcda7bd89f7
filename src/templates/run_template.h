// Running a template in the active document: expanded, asked for, inserted in place of the
// selection, the caret put where the template says.
#pragma once

#include <string>

#include "commands/command_context.h"
#include "editor/editor_document.h"

namespace templates {

// The document must be attached. Nothing is inserted when the parameter dialog is cancelled.
void RunTemplate(editor::EditorDocument& document, const commands::CommandContext& context,
                 const std::string& text, const std::string& name);

// The IDE command of a template, by the command name after its prefix: false when no
// template has that name.
bool RunTemplateCommand(const commands::CommandContext& context, const std::string& name);

}  // namespace templates
