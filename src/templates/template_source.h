// The application's template tree as the template commands reach it.
#pragma once

#include <string>

#include "templates/template_node.h"

namespace templates {

class TemplateSource {
  public:
    virtual ~TemplateSource() = default;
    virtual const TemplateList& TemplateTree() = 0;
    // Reads the template file again and renews the template commands.
    virtual void ReloadTemplates() = 0;
    // The file the tree was read from.
    virtual std::string TemplateFile() = 0;
};

}  // namespace templates
