#include "workbench/debugger.h"

#include "workbench/file_io.h"

namespace workbench {

bool BreakpointRecord::SetEnabled(bool enabled) {
    enabled_ = enabled;
    return true;
}

ide::Ref<ide::Breakpoint> BreakpointGroup::Item(long index) {
    if (index < 1 || index > Count())
        return nullptr;
    return items_[static_cast<std::size_t>(index - 1)];
}

ide::Ref<ide::BreakpointList> BreakpointStore::Add(const ide::BreakpointRequest& request) {
    if (request.file.empty() || request.line < 1)
        return nullptr;
    auto created = std::make_shared<BreakpointRecord>(NormalizePath(request.file), request.line);
    all_.Add(created);
    auto result = std::make_shared<BreakpointGroup>();
    result->Add(created);
    return result;
}

}  // namespace workbench
