// The built-in IDE: every ide:: object over real files, kept in memory until written back.
// The command-line program and the end-to-end tests drive the core through it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/ide.h"
#include "workbench/command_model.h"
#include "workbench/debugger.h"
#include "workbench/document_list.h"
#include "workbench/editor_context.h"
#include "workbench/ide_state.h"
#include "workbench/matcher.h"
#include "workbench/solution_tree.h"

namespace workbench {

class Workbench : public ide::Environment {
  public:
    Workbench();

    ide::Ref<ide::Document> ActiveDocument() override { return documents_->Active(); }
    ide::Ref<ide::Documents> GetDocuments() override { return documents_; }
    // The active document's window; none without a document.
    ide::Ref<ide::Window> ActiveWindow() override;
    // Only ("TextEditor", "C/C++") and ("Environment", "Keyboard") exist.
    ide::Ref<ide::Properties> GetProperties(const std::string& category,
                                            const std::string& page) override;
    ide::Ref<ide::Solution> GetSolution() override { return solution_; }
    ide::Ref<ide::Debugger> GetDebugger() override;
    std::string Version() override { return version_; }
    std::string RegistryRoot() override { return registryRoot_; }
    bool SuppressUI() override { return suppressUI_; }
    bool SetSuppressUI(bool suppress) override;
    ide::Ref<ide::Commands> GetCommands() override;
    ide::Ref<ide::CommandBars> GetCommandBars() override;

    // Documents.
    // Opens the file (or finds it by its absolute normalized path) and makes it active; on
    // failure `error` reads "cannot read PATH: reason".
    ide::Ref<ide::Document> OpenFile(const std::string& path, std::string& error);
    bool Activate(const ide::Ref<ide::Document>& document);
    // Texts that take the place of files' contents when they are opened.
    void SetTextSource(DocumentList::TextSource source) {
        documents_->SetTextSource(std::move(source));
    }
    // Files `other` opened open here without being read again while unchanged on disk
    // (DocumentList::AdoptTexts).
    void AdoptTexts(const Workbench& other) { documents_->AdoptTexts(*other.documents_); }
    // Anchor and caret by 1-based line and character column.
    bool SetSelection(const ide::Ref<ide::Document>& document, long anchorLine, long anchorColumn,
                      long caretLine, long caretColumn, std::string& error);
    // Byte offsets, for tests written with annotated text.
    bool SetSelectionOffsets(const ide::Ref<ide::Document>& document, std::size_t anchor,
                             std::size_t caret);
    struct Offsets {
        std::size_t anchor = 0;
        std::size_t caret = 0;
    };
    std::optional<Offsets> SelectionOffsets(const ide::Ref<ide::Document>& document) const;
    std::optional<std::string> DocumentText(const ide::Ref<ide::Document>& document) const;

    struct DocumentState {
        std::string path;
        bool modified = false;
    };
    // In the order opened.
    std::vector<DocumentState> DocumentStates() const;

    struct Caret {
        std::string path;
        long anchorLine = 0;
        long anchorColumn = 0;
        long caretLine = 0;
        long caretColumn = 0;
    };
    // The active document's selection; none without a document.
    std::optional<Caret> ActiveCaret() const;

    struct LineMark {
        std::string path;
        long line = 0;
        bool enabled = false;  // breakpoints only
    };
    // In the order added.
    std::vector<LineMark> BreakpointList() const;
    // By document in the order opened, then by line.
    std::vector<LineMark> BookmarkList() const;

    // Saves every modified document under its own name, as the IDE's Save does. Goes on past a
    // failure; `error` then names the first file that could not be written.
    bool WriteBack(std::string& error);

    // Editor properties of ("TextEditor", "C/C++").
    void SetEditorProperty(const std::string& name, const ide::Value& value);
    bool RemoveEditorProperty(const std::string& name);
    // The engine for FindText with the regular-expression bit; MakeRegexMatcher unless replaced,
    // and without one such a find fails.
    void SetRegexMatcherFactory(MatcherFactory factory);

    // Solution.
    bool LoadSolutionDirectory(const std::string& path, std::string& error);
    // An empty solution to build by hand; replaces the current one.
    std::shared_ptr<SolutionModel> NewSolution(const std::string& fullName);
    void CloseSolution() { solution_.reset(); }

    // Environment details.
    void SetDebuggerAvailable(bool available) { debuggerAvailable_ = available; }
    // Empty: an IDE that cannot tell its version.
    void SetVersion(const std::string& version) { version_ = version; }
    void SetRegistryRoot(const std::string& root) { registryRoot_ = root; }

    // Commands, key bindings and command bars. A fresh IDE holds a few commands of its own
    // (FreshIdeState) and runs the built-in keyboard scheme "[Default Settings]", read-only.
    // The add-in's object, ProgID "Zentrel2".
    ide::Ref<ide::AddIn> AddInInstance() const { return addIn_; }
    // Runs the command bound to the chord in the active scope, as the IDE does on a key press:
    // "Text Editor" while a text document is active, where its bindings win over "Global"
    // ones, else "Global". Chords compare without regard to case or the order of modifiers.
    // `execute` gets the command's full name, as the add-in's Exec would. False, with the
    // reason in `error`, when nothing is bound or `execute` refuses.
    bool PressKeys(const std::string& keys,
                   const std::function<bool(const std::string& fullCommandName)>& execute,
                   std::string& error);
    // Any non-empty text; one beginning with '[' names a built-in scheme.
    bool SetKeyboardScheme(const std::string& value);
    // While on (the default) a built-in scheme takes no bindings.
    void SetBuiltInSchemesReadOnly(bool readOnly);
    // Whether the bar collection answers that interface generation (both do by default).
    void SetBarGenerationAvailable(ide::BarGeneration generation, bool available);
    // Without, GetCommands and GetCommandBars answer empty.
    void SetCommandsAvailable(bool available) { commandsAvailable_ = available; }
    IdeState CurrentIdeState() const;
    // Nothing changes when the state does not hold together.
    bool RestoreIdeState(const IdeState& state, std::string& error);

    // The IDE's own state between runs (ide_state_file.h). A missing file restores a fresh
    // IDE. An unreadable or malformed one gives false and changes nothing: the caller reports
    // it, runs on with the defaults and must not save over that file.
    bool LoadIdeState(const std::filesystem::path& path, std::string& error);
    bool SaveIdeState(const std::filesystem::path& path, std::string& error) const;

  private:
    std::shared_ptr<TextDocument> Own(const ide::Ref<ide::Document>& document) const;

    std::shared_ptr<EditorContext> context_;
    std::shared_ptr<DocumentList> documents_;
    std::shared_ptr<SolutionModel> solution_;
    std::shared_ptr<DebuggerModel> debugger_;
    bool debuggerAvailable_ = true;
    bool suppressUI_ = false;
    std::string version_ = "8.0";
    std::string registryRoot_ = "Software\\Microsoft\\VisualStudio\\8.0";
    std::shared_ptr<AddInRecord> addIn_ = std::make_shared<AddInRecord>("Zentrel2");
    std::shared_ptr<CommandModel> commands_ = std::make_shared<CommandModel>(
        std::make_shared<CommandBarStore>(), std::make_shared<KeyboardScheme>());
    bool commandsAvailable_ = true;
};

}  // namespace workbench
