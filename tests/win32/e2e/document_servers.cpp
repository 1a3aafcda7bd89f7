// The environment, its documents, windows and text: only the members the add-in calls in the
// golden cases served.
#include "dispatch_server.h"
#include "ide_servers.h"
#include "win32/connection_ids.h"
#include "win32/ide_interfaces.h"

namespace e2e {

namespace {

// One end of a selection, as read at the time it was asked for.
class PointServer : public DispatchServer {
  public:
    explicit PointServer(const ide::Point& p) {
        Get(L"Line", [p] { return Variant(p.line); });
        Get(L"LineCharOffset", [p] { return Variant(p.lineCharOffset); });
        Get(L"DisplayColumn", [p] { return Variant(p.displayColumn); });
        Get(L"AtStartOfLine", [p] { return Variant(p.atStartOfLine); });
        Get(L"AtEndOfLine", [p] { return Variant(p.atEndOfLine); });
    }
};

Variant ServePoint(const std::optional<ide::Point>& point) {
    return point ? Variant(Make<PointServer>(*point).Get()) : Variant();
}

// What Step, the member and the editing commands ask of the selection.
class SelectionServer : public DispatchServer {
  public:
    explicit SelectionServer(const ide::Ref<ide::TextSelection>& s) {
        Field(
            L"Text", [s] { return Variant(s->Text()); },
            [s](const Variant& v) { return s->SetText(v.ToText().value_or(std::string())); });
        using S = ide::TextSelection;
        Get(L"CurrentLine", [s] { return Variant(s->CurrentLine()); });
        Get(L"CurrentColumn", [s] { return Variant(s->CurrentColumn()); });
        Get(L"TopLine", [s] { return Variant(s->TopLine()); });
        Get(L"BottomLine", [s] { return Variant(s->BottomLine()); });
        Get(L"IsEmpty", [s] { return Variant(s->IsEmpty()); });
        Get(L"TopPoint", [s] { return ServePoint(s->TopPoint()); });
        Get(L"BottomPoint", [s] { return ServePoint(s->BottomPoint()); });
        const auto flag = [](const Arguments& a, std::size_t i) {
            return Argument(a, i).ToBool().value_or(false);
        };
        // Moves that take whether to extend, then a count.
        for (const auto& [name, move] : {std::pair{L"LineUp", &S::LineUp},
                                         {L"LineDown", &S::LineDown},
                                         {L"CharLeft", &S::CharLeft}})
            Method(name, [s, move, flag](const Arguments& a) {
                return Status(((*s).*move)(flag(a, 0), LongArgument(a, 1, 1)));
            });
        for (const auto& [name, move] : {std::pair{L"EndOfLine", &S::EndOfLine},
                                         {L"StartOfDocument", &S::StartOfDocument},
                                         {L"EndOfDocument", &S::EndOfDocument}})
            Method(name, [s, move, flag](const Arguments& a) {
                return Status(((*s).*move)(flag(a, 0)));
            });
        for (const auto& [name, move] : {std::pair{L"MoveToLineAndOffset", &S::MoveTo},
                                         {L"MoveToDisplayColumn", &S::MoveToDisplayColumn}})
            Method(name, [s, move, flag](const Arguments& a) {
                return Status(((*s).*move)(LongArgument(a, 0), LongArgument(a, 1), flag(a, 2)));
            });
        Method(L"FindText", [s](const Arguments& a) {
            return Result(Variant(s->FindText(TextArgument(a, 0), LongArgument(a, 1))));
        });
        Method(L"StartOfLine", [s, flag](const Arguments& a) {
            return Status(s->StartOfLine(LongArgument(a, 0), flag(a, 1)));
        });
        Method(L"SelectLine", [s](const Arguments&) { return Status(s->SelectLine()); });
        Method(L"Delete",
               [s](const Arguments& a) { return Status(s->Delete(LongArgument(a, 0, 1))); });
        Method(L"Insert", [s](const Arguments& a) {
            return Status(s->Insert(TextArgument(a, 0), LongArgument(a, 1, 1)));
        });
    }
};

class TextWindowServer : public DispatchServer {
  public:
    explicit TextWindowServer(const ide::Ref<ide::TextWindow>& w) {
        Answer(win32::kTextWindowId);
        Get(L"Selection", [w] { return Variant(Serve<SelectionServer>(w->Selection()).Get()); });
    }
};

class WindowServer : public DispatchServer {
  public:
    explicit WindowServer(const ide::Ref<ide::Window>& w) {
        Get(L"Type", [w] { return Variant(w->Type()); });
        Get(L"Object", [w] { return Variant(Serve<TextWindowServer>(w->Object()).Get()); });
    }
};

class DocumentServer : public DispatchServer {
  public:
    explicit DocumentServer(const ide::Ref<ide::Document>& d) {
        Get(L"FullName", [d] { return Variant(d->FullName()); });
        Get(L"Type", [d] { return Variant(d->Type()); });
        Get(L"ActiveWindow", [d] { return Variant(Serve<WindowServer>(d->ActiveWindow()).Get()); });
        Get(L"Saved", [d] { return Variant(d->Saved()); });
        Field(
            L"Language", [d] { return Variant(d->Language()); },
            [d](const Variant& v) { return d->SetLanguage(v.ToText().value_or(std::string())); });
    }
};

class DocumentsServer : public DispatchServer {
  public:
    explicit DocumentsServer(const ide::Ref<ide::Documents>& d) {
        Method(L"Open", [d](const Arguments& a) {
            return Object(Serve<DocumentServer>(d->Open(TextArgument(a, 0), TextArgument(a, 1),
                                                        Argument(a, 2).ToBool().value_or(false))));
        });
    }
};

class EnvironmentServer : public DispatchServer {
  public:
    explicit EnvironmentServer(const ide::Ref<ide::Environment>& e) {
        Answer(win32::kDteId);
        Get(L"ActiveDocument",
            [e] { return Variant(Serve<DocumentServer>(e->ActiveDocument()).Get()); });
        Get(L"Documents", [e] { return Variant(Serve<DocumentsServer>(e->GetDocuments()).Get()); });
        Get(L"ActiveWindow", [e] { return Variant(Serve<WindowServer>(e->ActiveWindow()).Get()); });
        Get(L"Commands", [e] { return Variant(ServeCommands(e->GetCommands()).Get()); });
        Get(L"CommandBars", [e] { return Variant(ServeCommandBars(e->GetCommandBars()).Get()); });
        Get(L"Version", [e] { return Variant(e->Version()); });
    }
};

}  // namespace

win32::ComPtr<IDispatch> ServeEnvironment(ide::Ref<ide::Environment> environment) {
    return Serve<EnvironmentServer>(environment);
}

}  // namespace e2e
