// Named commands, their key bindings and toolbar buttons, and the add-in they belong to.
#include "win32/dispatch_objects.h"

namespace win32 {

namespace {

class DispatchAddIn : public ide::AddIn, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    std::string ProgID() override { return target_.GetText(L"ProgID"); }
};

class DispatchCommand : public ide::Command, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    std::string Name() override { return target_.GetText(L"Name"); }
    std::vector<std::string> Bindings() override {
        auto bindings = target_.Get(L"Bindings");
        if (!bindings)
            return {};
        return bindings->ToTextArray().value_or(std::vector<std::string>());
    }
    bool SetBindings(const std::vector<std::string>& bindings) override {
        return target_.Put(L"Bindings", Variant::TextArray(bindings));
    }
    bool Delete() override { return target_.Run(L"Delete"); }
    ide::Ref<ide::CommandBarControl> AddControl(ide::CommandBar& bar, long position) override {
        auto control = target_.Call(L"AddControl", DispatchOf(&bar), position);
        return MakeCommandBarControl(control ? control->ToDispatch() : ComPtr<IDispatch>(),
                                     KnownGeneration(bar));
    }
};

class DispatchCommands : public ide::Commands, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    long Count() override { return target_.GetLong(L"Count"); }
    ide::Ref<ide::Command> Item(long index) override {
        return Wrap<DispatchCommand>(target_.GetDispatch(L"Item", index));
    }
    ide::Ref<ide::Command> AddNamedCommand(ide::AddIn* addIn, const std::string& name,
                                           const std::string& buttonText,
                                           const std::string& tooltip, bool msoButton,
                                           long bitmapId, long status) override {
        // The type library declares the context list [in, out] by reference: passed any
        // other way, a dispatch that checks arguments against it refuses the call.
        Variant contexts = Variant::TextArray({});
        Variant byReference;
        byReference.Get()->vt = VT_ARRAY | VT_VARIANT | VT_BYREF;
        byReference.Get()->pparray = &contexts.Get()->parray;
        auto command = target_.Call(L"AddNamedCommand", DispatchOf(addIn), name, buttonText,
                                    tooltip, msoButton, bitmapId, std::move(byReference), status);
        return Wrap<DispatchCommand>(command ? command->ToDispatch() : ComPtr<IDispatch>());
    }
    ide::Ref<ide::CommandBar> AddCommandBar(const std::string& name, long type,
                                            ide::CommandBar* parent, long position) override {
        Variant parentArgument = parent ? Variant(DispatchOf(parent)) : Variant::Missing();
        auto bar = target_.Call(L"AddCommandBar", name, type, std::move(parentArgument), position);
        return MakeCommandBar(bar ? bar->ToDispatch() : ComPtr<IDispatch>(), std::nullopt);
    }
    bool RemoveCommandBar(ide::CommandBar& bar) override {
        return target_.Run(L"RemoveCommandBar", DispatchOf(&bar));
    }
};

}  // namespace

ide::Ref<ide::Commands> MakeCommands(ComPtr<IDispatch> object) {
    return Wrap<DispatchCommands>(std::move(object));
}

ide::Ref<ide::AddIn> MakeAddIn(IDispatch* addInInstance) {
    return Wrap<DispatchAddIn>(ComPtr<IDispatch>(addInInstance));
}

}  // namespace win32
