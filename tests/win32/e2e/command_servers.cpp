// The add-in's object, named commands, command bars in both generations and their buttons:
// only the members the add-in calls while setting up and setting up again.
#include <olectl.h>

#include "dispatch_server.h"
#include "ide_servers.h"
#include "win32/connection_ids.h"
#include "win32/ide_interfaces.h"

namespace e2e {

namespace {

class AddInServer : public DispatchServer {
  public:
    explicit AddInServer(const ide::Ref<ide::AddIn>& addIn) : addIn_(addIn) {
        Answer(win32::kAddInId);
    }
    ide::AddIn* Model() const { return addIn_.get(); }

  private:
    ide::Ref<ide::AddIn> addIn_;
};

// A control is its own button, answering the button interface of its bar's generation.
class ButtonServer : public DispatchServer {
  public:
    ButtonServer(const ide::Ref<ide::CommandBarControl>& control, ide::BarGeneration generation) {
        Answer(generation == ide::BarGeneration::Older ? win32::kOlderButtonId
                                                       : win32::kNewerButtonId);
        ide::Ref<ide::CommandBarButton> b = control->Button();
        Field(L"Style", nullptr, [b](const Variant& v) {
            auto style = v.ToLong();
            return b && style && b->SetStyle(*style);
        });
        Field(L"Picture", nullptr,
              [b](const Variant& v) { return IsPicture(v) && b && b->SetPicture(kPictureGiven); });
        Field(L"Mask", nullptr,
              [b](const Variant& v) { return IsPicture(v) && b && b->SetMask(kPictureGiven); });
    }

  private:
    static bool IsPicture(const Variant& value) {
        return static_cast<bool>(value.ToDispatch().As<IDispatch>(IID_IPictureDisp));
    }
};

class BarServer : public DispatchServer {
  public:
    explicit BarServer(const ide::Ref<ide::CommandBar>& bar) : bar_(bar) {}
    ide::CommandBar& Model() const { return *bar_; }

  private:
    ide::Ref<ide::CommandBar> bar_;
};

class BarSetServer : public DispatchServer {
  public:
    explicit BarSetServer(const ide::Ref<ide::CommandBarSet>& set) {
        Method(L"Item", [set](const Arguments& a) {
            return Object(Serve<BarServer>(set->Item(TextArgument(a, 0))));
        });
    }
};

// Each generation's interface is a separate object: the adapter only calls it by name.
class CommandBarsServer : public DispatchServer {
  public:
    explicit CommandBarsServer(const ide::Ref<ide::CommandBars>& bars) : bars_(bars) {}

  protected:
    HRESULT QueryOther(REFIID id, void** object) override {
        std::optional<ide::BarGeneration> generation;
        if (IsEqualIID(id, win32::kOlderCommandBarsId))
            generation = ide::BarGeneration::Older;
        else if (IsEqualIID(id, win32::kNewerCommandBarsId))
            generation = ide::BarGeneration::Newer;
        ide::Ref<ide::CommandBarSet> set = generation ? bars_->Generation(*generation) : nullptr;
        if (!set)
            return E_NOINTERFACE;
        *object = Serve<BarSetServer>(set).Detach();
        return S_OK;
    }

  private:
    ide::Ref<ide::CommandBars> bars_;
};

class CommandServer : public DispatchServer {
  public:
    explicit CommandServer(const ide::Ref<ide::Command>& c) {
        Get(L"Name", [c] { return Variant(c->Name()); });
        Field(
            L"Bindings", [c] { return Variant::TextArray(c->Bindings()); },
            [c](const Variant& v) {
                return c->SetBindings(v.ToTextArray().value_or(std::vector<std::string>()));
            });
        Method(L"Delete", [c](const Arguments&) { return Status(c->Delete()); });
        Method(L"AddControl", [c](const Arguments& a) -> Result {
            auto* bar = ServerOf<BarServer>(Argument(a, 0).ToDispatch());
            ide::Ref<ide::CommandBarControl> control =
                bar ? c->AddControl(bar->Model(), LongArgument(a, 1, 1)) : nullptr;
            if (!control)
                return std::nullopt;
            return Object(Make<ButtonServer>(control, bar->Model().Generation()));
        });
    }
};

class CommandsServer : public DispatchServer {
  public:
    explicit CommandsServer(const ide::Ref<ide::Commands>& c) {
        Get(L"Count", [c] { return Variant(c->Count()); });
        Method(L"Item", [c](const Arguments& a) {
            return Object(Serve<CommandServer>(c->Item(LongArgument(a, 0))));
        });
        // The contexts (argument 7) are not kept; the IDE takes them only by reference.
        Method(L"AddNamedCommand", [c](const Arguments& a) -> Result {
            if (a.size() != 8 || a[6]->vt != (VT_ARRAY | VT_VARIANT | VT_BYREF))
                return std::nullopt;
            auto* addIn = ServerOf<AddInServer>(Argument(a, 0).ToDispatch());
            return Object(Serve<CommandServer>(c->AddNamedCommand(
                addIn ? addIn->Model() : nullptr, TextArgument(a, 1), TextArgument(a, 2),
                TextArgument(a, 3), Argument(a, 4).ToBool().value_or(false), LongArgument(a, 5),
                LongArgument(a, 7))));
        });
        Method(L"AddCommandBar", [c](const Arguments& a) {
            auto* parent = ServerOf<BarServer>(Argument(a, 2).ToDispatch());
            return Object(Serve<BarServer>(c->AddCommandBar(TextArgument(a, 0), LongArgument(a, 1),
                                                            parent ? &parent->Model() : nullptr,
                                                            LongArgument(a, 3))));
        });
    }
};

}  // namespace

win32::ComPtr<IDispatch> ServeAddIn(ide::Ref<ide::AddIn> addIn) {
    return Serve<AddInServer>(addIn);
}

win32::ComPtr<IDispatch> ServeCommands(ide::Ref<ide::Commands> commands) {
    return Serve<CommandsServer>(commands);
}

win32::ComPtr<IDispatch> ServeCommandBars(ide::Ref<ide::CommandBars> bars) {
    return Serve<CommandBarsServer>(bars);
}

}  // namespace e2e
