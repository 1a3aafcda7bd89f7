// The pieces the adapter's object families share: the holder of one IDE object and the
// factories each family offers the others.
#pragma once

#include <memory>
#include <optional>
#include <utility>

#include "editor/ide.h"
#include "win32/dispatch_call.h"

namespace win32 {

// Every adapter object holds its IDE object through one counted reference.
class DispatchBacked {
  public:
    explicit DispatchBacked(ComPtr<IDispatch> object) : target_(std::move(object)) {}
    virtual ~DispatchBacked() = default;
    Dispatch& Target() { return target_; }

  protected:
    Dispatch target_;
};

// An empty reference for an object the IDE did not give.
template <class T, class... A>
ide::Ref<T> Wrap(ComPtr<IDispatch> object, A&&... extra) {
    if (!object)
        return nullptr;
    return std::make_shared<T>(std::move(object), std::forward<A>(extra)...);
}

// The IDE object behind one of the adapter's objects; null for any other model object.
template <class M>
IDispatch* DispatchOf(M* model) {
    auto* backed = dynamic_cast<DispatchBacked*>(model);
    return backed ? backed->Target().Object() : nullptr;
}

// The object's dual interface with that id, called through its IDispatch part.
ComPtr<IDispatch> QueryDual(IDispatch* object, REFIID id);

ide::Ref<ide::Document> MakeDocument(ComPtr<IDispatch> object);
ide::Ref<ide::Documents> MakeDocuments(ComPtr<IDispatch> object);
ide::Ref<ide::Window> MakeWindow(ComPtr<IDispatch> object);
// Called through the text-window interface already asked of the window's object.
ide::Ref<ide::TextWindow> MakeTextWindow(ComPtr<IDispatch> object);
ide::Ref<ide::Properties> MakeProperties(ComPtr<IDispatch> object);
ide::Ref<ide::Solution> MakeSolution(ComPtr<IDispatch> object);
ide::Ref<ide::Debugger> MakeDebugger(ComPtr<IDispatch> object);
ide::Ref<ide::Commands> MakeCommands(ComPtr<IDispatch> object);
ide::Ref<ide::CommandBars> MakeCommandBars(ComPtr<IDispatch> object);
// A bar whose generation is unknown (one the IDE just created) tries the older one first.
ide::Ref<ide::CommandBar> MakeCommandBar(ComPtr<IDispatch> object,
                                         std::optional<ide::BarGeneration> generation);
ide::Ref<ide::CommandBarControl> MakeCommandBarControl(
    ComPtr<IDispatch> object, std::optional<ide::BarGeneration> generation);
std::optional<ide::BarGeneration> KnownGeneration(ide::CommandBar& bar);

}  // namespace win32
