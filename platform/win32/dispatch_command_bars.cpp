// Command bars in both interface generations, their controls and buttons.
#include "win32/bitmap_picture.h"
#include "win32/dispatch_objects.h"
#include "win32/ide_interfaces.h"
#include "win32/module_handle.h"

namespace win32 {

namespace {

using MaybeGeneration = std::optional<ide::BarGeneration>;

class DispatchButton : public ide::CommandBarButton, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    bool SetStyle(long style) override { return target_.Put(L"Style", style); }
    bool SetPicture(long bitmapId) override { return PutPicture(L"Picture", bitmapId); }
    bool SetMask(long bitmapId) override { return PutPicture(L"Mask", bitmapId); }

  private:
    bool PutPicture(std::wstring_view name, long bitmapId) {
        ComPtr<IDispatch> picture = PictureFromBitmap(ModuleHandle(), bitmapId);
        return picture && target_.Put(name, picture.Get());
    }
};

class DispatchControl : public ide::CommandBarControl, public DispatchBacked {
  public:
    DispatchControl(ComPtr<IDispatch> object, MaybeGeneration generation)
        : DispatchBacked(std::move(object)), generation_(generation) {}

    ide::Ref<ide::CommandBarButton> Button() override {
        if (generation_ != ide::BarGeneration::Newer) {
            if (auto button = QueryDual(target_.Object(), kOlderButtonId))
                return Wrap<DispatchButton>(std::move(button));
        }
        if (generation_ != ide::BarGeneration::Older)
            return Wrap<DispatchButton>(QueryDual(target_.Object(), kNewerButtonId));
        return nullptr;
    }

  private:
    MaybeGeneration generation_;
};

class DispatchBar : public ide::CommandBar, public DispatchBacked {
  public:
    DispatchBar(ComPtr<IDispatch> object, MaybeGeneration generation)
        : DispatchBacked(std::move(object)), generation_(generation) {}

    ide::BarGeneration Generation() override {
        return generation_.value_or(ide::BarGeneration::Older);
    }
    std::string Name() override { return target_.GetText(L"Name"); }
    bool SetVisible(bool visible) override { return target_.Put(L"Visible", visible); }

    MaybeGeneration Known() const { return generation_; }

  private:
    MaybeGeneration generation_;
};

class DispatchBarSet : public ide::CommandBarSet, public DispatchBacked {
  public:
    DispatchBarSet(ComPtr<IDispatch> object, ide::BarGeneration generation)
        : DispatchBacked(std::move(object)), generation_(generation) {}

    ide::Ref<ide::CommandBar> Item(const std::string& name) override {
        return MakeCommandBar(target_.GetDispatch(L"Item", name), generation_);
    }

  private:
    ide::BarGeneration generation_;
};

class DispatchBars : public ide::CommandBars, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    ide::Ref<ide::CommandBarSet> Generation(ide::BarGeneration generation) override {
        const IID& id =
            generation == ide::BarGeneration::Older ? kOlderCommandBarsId : kNewerCommandBarsId;
        return Wrap<DispatchBarSet>(QueryDual(target_.Object(), id), generation);
    }
};

}  // namespace

ide::Ref<ide::CommandBars> MakeCommandBars(ComPtr<IDispatch> object) {
    return Wrap<DispatchBars>(std::move(object));
}

ide::Ref<ide::CommandBar> MakeCommandBar(ComPtr<IDispatch> object,
                                         std::optional<ide::BarGeneration> generation) {
    return Wrap<DispatchBar>(std::move(object), generation);
}

ide::Ref<ide::CommandBarControl> MakeCommandBarControl(
    ComPtr<IDispatch> object, std::optional<ide::BarGeneration> generation) {
    return Wrap<DispatchControl>(std::move(object), generation);
}

std::optional<ide::BarGeneration> KnownGeneration(ide::CommandBar& bar) {
    auto* ours = dynamic_cast<DispatchBar*>(&bar);
    return ours ? ours->Known() : bar.Generation();
}

}  // namespace win32
