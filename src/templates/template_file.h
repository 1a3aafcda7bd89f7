// Where the template file lies and how it is loaded into the tree.
#pragma once

#include <functional>
#include <string>

#include "editor/path_style.h"
#include "sys/platform.h"
#include "templates/template_node.h"

namespace templates {

inline constexpr const char* kTemplateFileName = "Zentrel.txt";

// The template file beside the add-in's module. When the module's path is unknown the user is
// told ("Can't get DLL path.") and the path is empty.
std::string TemplateFilePath(sys::Platform& platform,
                             editor::PathStyle style = editor::NativePathStyle());

// Empties `into` and reads the template file at `path` into it, under the wait cursor. A file
// that cannot be read in a directory ending in "Release" is looked for in the sibling "Debug"
// directory; failing both, the user is told and the tree stays empty. An empty path reads
// nothing and says nothing. Returns whether a file was read; only then is renewCommands run
// (the host passes one on a reload, to renew the per-template IDE commands).
bool LoadTemplateFile(sys::Platform& platform, TemplateList& into, const std::string& path,
                      editor::PathStyle style = editor::NativePathStyle(),
                      const std::function<void()>& renewCommands = {});

// LoadTemplateFile with the file beside the module (TemplateFilePath).
bool LoadTemplates(sys::Platform& platform, TemplateList& into,
                   editor::PathStyle style = editor::NativePathStyle(),
                   const std::function<void()>& renewCommands = {});

}  // namespace templates
