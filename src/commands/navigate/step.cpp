#include "commands/navigate/step.h"

namespace commands::navigate {

void Step(const CommandContext&, bool, bool) {}

}  // namespace commands::navigate
