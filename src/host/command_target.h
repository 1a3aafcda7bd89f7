// What the IDE calls on the add-in's command target, with names already in 8-bit text.
#pragma once

#include <string>

namespace host {

class CommandSet;

// The IDE's "do the default" execute option: the only one that runs anything.
inline constexpr long kExecOptionDoDefault = 0;
// Status bits: supported and enabled.
inline constexpr long kStatusSupportedEnabled = 3;
// Wanted-text kind "none".
inline constexpr long kWantedTextNone = 0;

// Runs the named command; the result is the handled flag the IDE gets back.
bool Exec(CommandSet& commands, const std::string& name, long executeOption);

// Every command is always supported and enabled; it checks its own preconditions.
void QueryStatus(long wantedText, long& status);

}  // namespace host
