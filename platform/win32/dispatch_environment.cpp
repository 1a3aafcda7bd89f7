// The IDE's root object.
#include "win32/dispatch_ide.h"
#include "win32/dispatch_objects.h"

namespace win32 {

namespace {

class DispatchEnvironment : public ide::Environment, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    ide::Ref<ide::Document> ActiveDocument() override {
        return MakeDocument(target_.GetDispatch(L"ActiveDocument"));
    }
    ide::Ref<ide::Documents> GetDocuments() override {
        return MakeDocuments(target_.GetDispatch(L"Documents"));
    }
    ide::Ref<ide::Window> ActiveWindow() override {
        return MakeWindow(target_.GetDispatch(L"ActiveWindow"));
    }
    ide::Ref<ide::Properties> GetProperties(const std::string& category,
                                            const std::string& page) override {
        return MakeProperties(target_.GetDispatch(L"Properties", category, page));
    }
    ide::Ref<ide::Solution> GetSolution() override {
        return MakeSolution(target_.GetDispatch(L"Solution"));
    }
    ide::Ref<ide::Debugger> GetDebugger() override {
        return MakeDebugger(target_.GetDispatch(L"Debugger"));
    }
    std::string Version() override { return target_.GetText(L"Version"); }
    std::string RegistryRoot() override { return target_.GetText(L"RegistryRoot"); }
    bool SuppressUI() override { return target_.GetBool(L"SuppressUI"); }
    bool SetSuppressUI(bool suppress) override { return target_.Put(L"SuppressUI", suppress); }
    ide::Ref<ide::Commands> GetCommands() override {
        return MakeCommands(target_.GetDispatch(L"Commands"));
    }
    ide::Ref<ide::CommandBars> GetCommandBars() override {
        return MakeCommandBars(target_.GetDispatch(L"CommandBars"));
    }
};

}  // namespace

ide::Ref<ide::Environment> MakeEnvironment(IDispatch* application) {
    return Wrap<DispatchEnvironment>(ComPtr<IDispatch>(application));
}

}  // namespace win32
