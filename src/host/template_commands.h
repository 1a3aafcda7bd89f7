#pragma once

#include "editor/ide.h"
#include "templates/template_node.h"

namespace host {

// One IDE command per template with a key, groups included, bound to the template's key in
// the text editor. Failures are passed over silently.
void AddTemplateCommands(ide::AddIn* addIn, ide::Commands& commands,
                         const templates::TemplateList& list);

}  // namespace host
