#include "workbench/workbench.h"

#include <tuple>
#include <utility>

#include "workbench/command_bars.h"
#include "workbench/ide_state_file.h"
#include "workbench/key_chord.h"
#include "workbench/regex_matcher.h"
#include "workbench/solution_directory.h"

namespace workbench {

Workbench::Workbench()
    : context_(std::make_shared<EditorContext>()),
      documents_(std::make_shared<DocumentList>(context_)),
      debugger_(std::make_shared<DebuggerModel>()) {
    context_->regexMatchers = MakeRegexMatcher;
    std::string ignored;
    RestoreIdeState(FreshIdeState(), ignored);
}

ide::Ref<ide::Window> Workbench::ActiveWindow() {
    const std::shared_ptr<TextDocument>& active = documents_->Active();
    return active ? active->ActiveWindow() : nullptr;
}

ide::Ref<ide::Properties> Workbench::GetProperties(const std::string& category,
                                                   const std::string& page) {
    if (category == "Environment" && page == "Keyboard")
        return std::make_shared<KeyboardProperties>(commands_->SharedScheme());
    if (category != "TextEditor" || page != "C/C++")
        return nullptr;
    return context_->properties;
}

ide::Ref<ide::Debugger> Workbench::GetDebugger() {
    return debuggerAvailable_ ? debugger_ : nullptr;
}

bool Workbench::SetSuppressUI(bool suppress) {
    suppressUI_ = suppress;
    return true;
}

ide::Ref<ide::Document> Workbench::OpenFile(const std::string& path, std::string& error) {
    return documents_->OpenFile(path, error);
}

bool Workbench::Activate(const ide::Ref<ide::Document>& document) {
    return documents_->Activate(document.get());
}

std::shared_ptr<TextDocument> Workbench::Own(const ide::Ref<ide::Document>& document) const {
    return documents_->Find(document.get());
}

bool Workbench::SetSelection(const ide::Ref<ide::Document>& document, long anchorLine,
                             long anchorColumn, long caretLine, long caretColumn,
                             std::string& error) {
    std::shared_ptr<TextDocument> own = Own(document);
    if (!own) {
        error = "no such document";
        return false;
    }
    Selection& selection = own->Cursor();
    std::optional<std::size_t> anchor = selection.OffsetOf(anchorLine, anchorColumn);
    std::optional<std::size_t> caret = selection.OffsetOf(caretLine, caretColumn);
    for (auto [offset, line, column] : {std::tuple{anchor, anchorLine, anchorColumn},
                                        std::tuple{caret, caretLine, caretColumn}}) {
        if (!offset) {
            error = own->Path() + " has no line " + std::to_string(line) + ", column " +
                    std::to_string(column);
            return false;
        }
    }
    return selection.Place(*anchor, *caret);
}

bool Workbench::SetSelectionOffsets(const ide::Ref<ide::Document>& document, std::size_t anchor,
                                    std::size_t caret) {
    std::shared_ptr<TextDocument> own = Own(document);
    return own && own->Cursor().Place(anchor, caret);
}

std::optional<Workbench::Offsets> Workbench::SelectionOffsets(
    const ide::Ref<ide::Document>& document) const {
    std::shared_ptr<TextDocument> own = Own(document);
    if (!own)
        return std::nullopt;
    return Offsets{own->Cursor().Anchor(), own->Cursor().Caret()};
}

std::optional<std::string> Workbench::DocumentText(const ide::Ref<ide::Document>& document) const {
    std::shared_ptr<TextDocument> own = Own(document);
    if (!own)
        return std::nullopt;
    return own->Content().Buffer().Bytes();
}

std::vector<Workbench::DocumentState> Workbench::DocumentStates() const {
    std::vector<DocumentState> states;
    for (const auto& document : documents_->All()) {
        states.push_back({document->Path(), document->Content().Modified()});
    }
    return states;
}

std::optional<Workbench::Caret> Workbench::ActiveCaret() const {
    const std::shared_ptr<TextDocument>& active = documents_->Active();
    if (!active)
        return std::nullopt;
    const Selection& selection = active->Cursor();
    return Caret{active->Path(), selection.LineNumber(selection.Anchor()),
                 selection.ColumnOf(selection.Anchor()), selection.LineNumber(selection.Caret()),
                 selection.ColumnOf(selection.Caret())};
}

std::vector<Workbench::LineMark> Workbench::BreakpointList() const {
    std::vector<LineMark> marks;
    for (const auto& breakpoint : debugger_->Store().All()) {
        marks.push_back({breakpoint->File(), breakpoint->Line(), breakpoint->Enabled()});
    }
    return marks;
}

std::vector<Workbench::LineMark> Workbench::BookmarkList() const {
    std::vector<LineMark> marks;
    for (const auto& document : documents_->All()) {
        for (long line : document->Content().Bookmarks()) {
            marks.push_back({document->Path(), line + 1, false});
        }
    }
    return marks;
}

bool Workbench::WriteBack(std::string& error) {
    bool all = true;
    for (const auto& document : documents_->All()) {
        if (!document->Content().Modified())
            continue;
        std::string reason;
        if (document->SaveInPlace(reason))
            continue;
        if (all)
            error = "cannot write " + document->Path() + ": " + reason;
        all = false;
    }
    return all;
}

void Workbench::SetEditorProperty(const std::string& name, const ide::Value& value) {
    context_->properties->Set(name, value);
}

bool Workbench::RemoveEditorProperty(const std::string& name) {
    return context_->properties->Remove(name);
}

void Workbench::SetRegexMatcherFactory(MatcherFactory factory) {
    context_->regexMatchers = std::move(factory);
}

bool Workbench::LoadSolutionDirectory(const std::string& path, std::string& error) {
    std::shared_ptr<SolutionModel> loaded = workbench::LoadSolutionDirectory(path, error);
    if (!loaded)
        return false;
    solution_ = std::move(loaded);
    return true;
}

std::shared_ptr<SolutionModel> Workbench::NewSolution(const std::string& fullName) {
    solution_ = std::make_shared<SolutionModel>(fullName);
    return solution_;
}

ide::Ref<ide::Commands> Workbench::GetCommands() {
    return commandsAvailable_ ? commands_ : nullptr;
}

ide::Ref<ide::CommandBars> Workbench::GetCommandBars() {
    if (!commandsAvailable_)
        return nullptr;
    return std::make_shared<BarCollection>(commands_->SharedBars());
}

bool Workbench::PressKeys(const std::string& keys,
                          const std::function<bool(const std::string& fullCommandName)>& execute,
                          std::string& error) {
    std::optional<std::string> chord = NormalizeChord(keys);
    if (!chord) {
        error = "\"" + keys + "\" is not a key chord";
        return false;
    }
    std::vector<std::string> scopes{"Global"};
    if (documents_->Active())
        scopes.insert(scopes.begin(), "Text Editor");
    const NamedCommand* command = nullptr;
    for (const std::string& scope : scopes) {
        command = commands_->BoundTo({scope, *chord});
        if (command)
            break;
    }
    if (!command) {
        error = "no command is bound to " + keys + " in " + scopes.front();
        if (scopes.size() > 1)
            error += " or " + scopes.back();
        return false;
    }
    const std::string name(command->FullName());
    if (!execute(name)) {
        error = name + " (bound to " + keys + ") did not run";
        return false;
    }
    return true;
}

bool Workbench::SetKeyboardScheme(const std::string& value) {
    return commands_->Scheme().SetValue(value);
}

void Workbench::SetBuiltInSchemesReadOnly(bool readOnly) {
    commands_->Scheme().SetBuiltInReadOnly(readOnly);
}

void Workbench::SetBarGenerationAvailable(ide::BarGeneration generation, bool available) {
    commands_->Bars().SetAnswers(generation, available);
}

IdeState Workbench::CurrentIdeState() const {
    IdeState state = CaptureIdeState(*commands_);
    state.version = version_;
    state.registryRoot = registryRoot_;
    return state;
}

bool Workbench::RestoreIdeState(const IdeState& state, std::string& error) {
    if (!workbench::RestoreIdeState(state, *commands_, error))
        return false;
    version_ = state.version;
    registryRoot_ = state.registryRoot;
    return true;
}

bool Workbench::LoadIdeState(const std::filesystem::path& path, std::string& error) {
    IdeState state;
    if (!ReadIdeStateFile(path, state, error))
        return false;
    std::string reason;
    std::string version = state.version;
    std::string registryRoot = state.registryRoot;
    if (!workbench::RestoreIdeState(std::move(state), *commands_, reason)) {
        error = path.string() + ": " + reason;
        return false;
    }
    version_ = std::move(version);
    registryRoot_ = std::move(registryRoot);
    return true;
}

bool Workbench::SaveIdeState(const std::filesystem::path& path, std::string& error) const {
    return WriteIdeStateFile(path, CurrentIdeState(), error);
}

}  // namespace workbench
