// The debugger's breakpoints.
#include "win32/dispatch_objects.h"

namespace win32 {

namespace {

class DispatchBreakpoint : public ide::Breakpoint, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    bool SetEnabled(bool enabled) override { return target_.Put(L"Enabled", enabled); }
};

class DispatchBreakpointList : public ide::BreakpointList, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    long Count() override { return target_.GetLong(L"Count"); }
    ide::Ref<ide::Breakpoint> Item(long index) override {
        return Wrap<DispatchBreakpoint>(target_.GetDispatch(L"Item", index));
    }
};

class DispatchBreakpoints : public ide::Breakpoints, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    long Count() override { return target_.GetLong(L"Count"); }
    ide::Ref<ide::Breakpoint> Item(long index) override {
        return Wrap<DispatchBreakpoint>(target_.GetDispatch(L"Item", index));
    }
    ide::Ref<ide::BreakpointList> Add(const ide::BreakpointRequest& request) override {
        auto created = target_.Call(L"Add", request.function, request.file, request.line,
                                    request.column, request.condition, request.conditionType,
                                    request.language, request.data, request.dataCount,
                                    request.address, request.hitCount, request.hitCountType);
        return Wrap<DispatchBreakpointList>(created ? created->ToDispatch() : ComPtr<IDispatch>());
    }
};

class DispatchDebugger : public ide::Debugger, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    ide::Ref<ide::Breakpoints> GetBreakpoints() override {
        return Wrap<DispatchBreakpoints>(target_.GetDispatch(L"Breakpoints"));
    }
};

}  // namespace

ide::Ref<ide::Debugger> MakeDebugger(ComPtr<IDispatch> object) {
    return Wrap<DispatchDebugger>(std::move(object));
}

}  // namespace win32
