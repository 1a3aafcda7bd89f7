// The IDE's automation object model as the add-in sees it. Member names follow the IDE's
// automation names so that an adapter can call them by name through IDispatch. Every call
// may fail: a failed call gives an empty reference, false, 0 or an empty text, as the IDE's
// status codes would. References are shared pointers, released by whoever holds them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace ide {

template <class T>
using Ref = std::shared_ptr<T>;

// A property value as the IDE hands it over (VARIANT-like).
using Value = std::variant<std::monostate, bool, long, std::string>;

class Property {
  public:
    virtual ~Property() = default;
    virtual std::string Name() = 0;
    virtual Value GetValue() = 0;
    virtual bool SetValue(const Value& value) = 0;
};

class Properties {
  public:
    virtual ~Properties() = default;
    virtual long Count() = 0;
    virtual Ref<Property> Item(long index) = 0;  // 1-based
};

// One end of a selection, read at once.
struct Point {
    long line = 0;            // 1-based
    long lineCharOffset = 0;  // 1-based character column
    long displayColumn = 0;   // 1-based, tabs expanded by the editor's tab size
    bool atStartOfLine = false;
    bool atEndOfLine = false;
};

// Option bits of FindText.
enum FindOptions : long {
    kFindMatchCase = 4,
    kFindRegExpr = 8,
    kFindBackwards = 128,
    kFindFromStart = 256,
    kFindPassThrough = 512,
};

// Flag of Insert: collapse the selection to the end of the inserted text.
inline constexpr long kInsertKeepEnd = 1;

class TextSelection {
  public:
    virtual ~TextSelection() = default;
    virtual std::string Text() = 0;
    virtual bool SetText(const std::string& text) = 0;
    virtual bool IsEmpty() = 0;
    virtual long CurrentLine() = 0;
    virtual long CurrentColumn() = 0;
    virtual long TopLine() = 0;
    virtual long BottomLine() = 0;
    virtual std::optional<Point> TopPoint() = 0;
    virtual std::optional<Point> BottomPoint() = 0;
    virtual std::optional<Point> AnchorPoint() = 0;
    virtual std::optional<Point> ActivePoint() = 0;

    virtual bool Delete(long count) = 0;
    virtual bool Insert(const std::string& text, long flags) = 0;
    virtual bool SelectLine() = 0;
    // where 0: the first column; 1: the first non-blank character.
    virtual bool StartOfLine(long where, bool extend) = 0;
    virtual bool EndOfLine(bool extend) = 0;
    // MoveToLineAndOffset: column counts characters.
    virtual bool MoveTo(long line, long column, bool extend) = 0;
    virtual bool MoveToDisplayColumn(long line, long column, bool extend) = 0;
    virtual bool CharLeft(bool extend, long count) = 0;
    virtual bool CharRight(bool extend, long count) = 0;
    virtual bool LineUp(bool extend, long count) = 0;
    virtual bool LineDown(bool extend, long count) = 0;
    virtual bool StartOfDocument(bool extend) = 0;
    virtual bool EndOfDocument(bool extend) = 0;
    virtual bool GotoLine(long line, bool select) = 0;
    virtual bool FindText(const std::string& pattern, long options) = 0;
    virtual bool SetBookmark() = 0;
};

// The IDE's text-window interface {2FC54DC9-922B-44EB-8CC0-BA182584DC4B}.
class TextWindow {
  public:
    virtual ~TextWindow() = default;
    virtual Ref<TextSelection> Selection() = 0;
};

inline constexpr long kDocumentWindow = 16;

class Window {
  public:
    virtual ~Window() = default;
    virtual long Type() = 0;
    // The window's object queried for the text-window interface; empty when it has none.
    virtual Ref<TextWindow> Object() = 0;
    // COM identity: two references to the same IDE window compare equal.
    virtual bool IsSameObject(Window& other) = 0;
};

class Windows {
  public:
    virtual ~Windows() = default;
    virtual long Count() = 0;
};

inline constexpr long kSaveSucceeded = 1;

class Document {
  public:
    virtual ~Document() = default;
    virtual std::string FullName() = 0;
    virtual std::string Type() = 0;
    virtual Ref<Window> ActiveWindow() = 0;
    virtual Ref<Windows> GetWindows() = 0;
    virtual bool Saved() = 0;
    // Returns the IDE's save status; kSaveSucceeded on success.
    virtual long Save(const std::string& fileName) = 0;
    virtual std::string Language() = 0;
    virtual bool SetLanguage(const std::string& language) = 0;
};

class Documents {
  public:
    virtual ~Documents() = default;
    virtual long Count() = 0;
    virtual Ref<Document> Item(long index) = 0;  // 1-based
    virtual Ref<Document> Open(const std::string& path, const std::string& viewKind,
                               bool readOnly) = 0;
};

// Project item kinds, compared exactly.
inline constexpr const char* kItemPhysicalFile = "{6BB5F8EE-4483-11D3-8BCF-00C04F8EC28C}";
inline constexpr const char* kItemPhysicalFolder = "{6BB5F8EF-4483-11D3-8BCF-00C04F8EC28C}";
inline constexpr const char* kItemVirtualFolder = "{6BB5F8F0-4483-11D3-8BCF-00C04F8EC28C}";
inline constexpr const char* kItemSubProject = "{EA6618E8-6E24-4528-94BE-6889FE16485C}";

class Project;

class ProjectItem;

class ProjectItems {
  public:
    virtual ~ProjectItems() = default;
    virtual long Count() = 0;
    virtual Ref<ProjectItem> Item(long index) = 0;  // 1-based
};

class ProjectItem {
  public:
    virtual ~ProjectItem() = default;
    virtual std::string Kind() = 0;
    virtual std::string FileNames(short index) = 0;
    virtual Ref<ProjectItems> GetProjectItems() = 0;
    virtual Ref<Project> SubProject() = 0;
};

class Project {
  public:
    virtual ~Project() = default;
    virtual std::string Name() = 0;
    virtual std::string FullName() = 0;
    virtual Ref<ProjectItems> GetProjectItems() = 0;
};

class Projects {
  public:
    virtual ~Projects() = default;
    virtual long Count() = 0;
    virtual Ref<Project> Item(long index) = 0;  // 1-based
};

class Solution {
  public:
    virtual ~Solution() = default;
    virtual std::string FullName() = 0;
    virtual Ref<Projects> GetProjects() = 0;
};

class Breakpoint {
  public:
    virtual ~Breakpoint() = default;
    virtual bool SetEnabled(bool enabled) = 0;
};

class BreakpointList {
  public:
    virtual ~BreakpointList() = default;
    virtual long Count() = 0;
    virtual Ref<Breakpoint> Item(long index) = 0;  // 1-based
};

// The arguments of Breakpoints.Add, in the IDE's order.
struct BreakpointRequest {
    std::string function;
    std::string file;
    long line = 1;
    long column = 1;
    std::string condition;
    long conditionType = 1;
    std::string language;
    std::string data;
    long dataCount = 1;
    std::string address;
    long hitCount = 0;
    long hitCountType = 1;
};

class Breakpoints : public BreakpointList {
  public:
    // The breakpoints created, or empty when the IDE made none.
    virtual Ref<BreakpointList> Add(const BreakpointRequest& request) = 0;
};

class Debugger {
  public:
    virtual ~Debugger() = default;
    virtual Ref<Breakpoints> GetBreakpoints() = 0;
};

// The IDE's object for this add-in, handed over at connection; commands are created for it.
class AddIn {
  public:
    virtual ~AddIn() = default;
    virtual std::string ProgID() = 0;
};

// The two generations of command-bar interfaces the IDE may answer, older first.
enum class BarGeneration { Older, Newer };

inline constexpr long kCommandBarTypeToolbar = 23;
inline constexpr long kButtonStyleIcon = 1;

class CommandBarButton {
  public:
    virtual ~CommandBarButton() = default;
    virtual bool SetStyle(long style) = 0;
    // The picture is the add-in's bitmap resource with that number, as the IDE shows it.
    virtual bool SetPicture(long bitmapId) = 0;
    virtual bool SetMask(long bitmapId) = 0;
};

class CommandBarControl {
  public:
    virtual ~CommandBarControl() = default;
    // The control's button interface of its bar's generation; empty when it has none.
    virtual Ref<CommandBarButton> Button() = 0;
};

class CommandBar {
  public:
    virtual ~CommandBar() = default;
    virtual BarGeneration Generation() = 0;
    virtual std::string Name() = 0;
    virtual bool SetVisible(bool visible) = 0;
};

// The command-bar collection seen through one interface generation.
class CommandBarSet {
  public:
    virtual ~CommandBarSet() = default;
    // Empty when there is no bar of that name.
    virtual Ref<CommandBar> Item(const std::string& name) = 0;
};

class CommandBars {
  public:
    virtual ~CommandBars() = default;
    // The collection's interface of that generation; empty when it does not answer it.
    virtual Ref<CommandBarSet> Generation(BarGeneration generation) = 0;
};

class Command {
  public:
    virtual ~Command() = default;
    virtual std::string Name() = 0;
    // Each binding reads scope "::" keys.
    virtual std::vector<std::string> Bindings() = 0;
    // Fails when the active keyboard scheme cannot be written.
    virtual bool SetBindings(const std::vector<std::string>& bindings) = 0;
    virtual bool Delete() = 0;
    virtual Ref<CommandBarControl> AddControl(CommandBar& bar, long position) = 0;
};

inline constexpr long kCommandStatusSupportedEnabled = 3;

class Commands {
  public:
    virtual ~Commands() = default;
    virtual long Count() = 0;
    virtual Ref<Command> Item(long index) = 0;  // 1-based
    // Creates "<add-in ProgID>." + name; empty on failure.
    virtual Ref<Command> AddNamedCommand(AddIn* addIn, const std::string& name,
                                         const std::string& buttonText, const std::string& tooltip,
                                         bool msoButton, long bitmapId, long status) = 0;
    virtual Ref<CommandBar> AddCommandBar(const std::string& name, long type, CommandBar* parent,
                                          long position) = 0;
    virtual bool RemoveCommandBar(CommandBar& bar) = 0;
};

class Environment {
  public:
    virtual ~Environment() = default;
    virtual Ref<Document> ActiveDocument() = 0;
    virtual Ref<Documents> GetDocuments() = 0;
    virtual Ref<Window> ActiveWindow() = 0;
    virtual Ref<Properties> GetProperties(const std::string& category, const std::string& page) = 0;
    virtual Ref<Solution> GetSolution() = 0;
    virtual Ref<Debugger> GetDebugger() = 0;
    virtual std::string Version() = 0;
    virtual std::string RegistryRoot() = 0;
    virtual bool SuppressUI() = 0;
    virtual bool SetSuppressUI(bool suppress) = 0;
    // Models of the IDE that hold no commands or bars answer empty.
    virtual Ref<Commands> GetCommands() { return nullptr; }
    virtual Ref<CommandBars> GetCommandBars() { return nullptr; }
};

}  // namespace ide
