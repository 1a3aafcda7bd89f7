// Puts the add-in's named commands, key bindings, toolbar and template commands into the IDE,
// and takes them out again.
#pragma once

#include <string>
#include <vector>

#include "editor/ide.h"

namespace host {

class AddInApp;

enum class SetupMode { Create = 0, Remove = 1 };

inline constexpr const char* kToolbarName = "Zentrel2";
inline constexpr const char* kFailedMessage = "Failed";
inline constexpr const char* kFailedCaption = "Zentrel2";
inline constexpr const char* kTemplateCommandStem = "CodeTempl_";
inline constexpr const char* kTemplateTooltip = "Insert Zentrel code template ";
// Toolbar pictures and their masks, by bitmap resource number.
inline constexpr long kMenuPicture = 206;
inline constexpr long kMenuMask = 222;
inline constexpr long kCodeMenuPicture = 205;
inline constexpr long kCodeMenuMask = 223;

// The bindings of a command row: a "Global::" binding also goes to the text editor.
std::vector<std::string> BindingsFor(const char16_t* binding);

void CreateCommands(AddInApp& app, ide::Environment& environment, ide::AddIn* addIn,
                    SetupMode mode);
void RemoveCommands(AddInApp& app, ide::Environment& environment);
void SyncTemplateCommands(AddInApp& app, ide::Environment& environment, ide::AddIn* addIn,
                          SetupMode mode);

// Deletes every command whose name contains the text, re-examining the same index after a
// deletion since the later commands move up.
void RemoveCommandsNamed(ide::Commands& commands, const std::string& fragment);

}  // namespace host
