// What every selection of the workbench shares: the editor's properties and the search engine
// for regular-expression finds.
#pragma once

#include <memory>

#include "workbench/editor_properties.h"
#include "workbench/matcher.h"

namespace workbench {

struct EditorContext {
    std::shared_ptr<EditorProperties> properties = std::make_shared<EditorProperties>();
    // Empty until a regular-expression engine is plugged in.
    MatcherFactory regexMatchers;
};

}  // namespace workbench
