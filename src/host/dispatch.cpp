#include "host/dispatch.h"

#include "host/command_table.h"

namespace host {

bool Dispatch(int number, const commands::CommandContext& context) {
    const CommandDef* row = FindCommand(number);
    if (row == nullptr)
        return false;
    if (row->run != nullptr)
        row->run(context);
    return true;
}

}  // namespace host
