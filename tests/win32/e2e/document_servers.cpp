// The environment, its documents, windows, text and property pages.
#include "dispatch_server.h"
#include "ide_servers.h"
#include "win32/connection_ids.h"
#include "win32/ide_interfaces.h"

namespace e2e {

namespace {

class PointServer : public DispatchServer {
  public:
    explicit PointServer(const ide::Point& point) {
        Get(L"Line", [point] { return Variant(point.line); });
        Get(L"LineCharOffset", [point] { return Variant(point.lineCharOffset); });
        Get(L"DisplayColumn", [point] { return Variant(point.displayColumn); });
        Get(L"AtStartOfLine", [point] { return Variant(point.atStartOfLine); });
        Get(L"AtEndOfLine", [point] { return Variant(point.atEndOfLine); });
    }
};

Variant ServePoint(const std::optional<ide::Point>& point) {
    return Variant(point ? Make<PointServer>(*point).Get() : nullptr);
}

class SelectionServer : public DispatchServer {
  public:
    explicit SelectionServer(const ide::Ref<ide::TextSelection>& s) {
        Field(
            L"Text", [s] { return Variant(s->Text()); },
            [s](const Variant& v) { return s->SetText(v.ToText().value_or("")); });
        Get(L"IsEmpty", [s] { return Variant(s->IsEmpty()); });
        Get(L"CurrentLine", [s] { return Variant(s->CurrentLine()); });
        Get(L"CurrentColumn", [s] { return Variant(s->CurrentColumn()); });
        Get(L"TopLine", [s] { return Variant(s->TopLine()); });
        Get(L"BottomLine", [s] { return Variant(s->BottomLine()); });
        Get(L"TopPoint", [s] { return ServePoint(s->TopPoint()); });
        Get(L"BottomPoint", [s] { return ServePoint(s->BottomPoint()); });
        Get(L"AnchorPoint", [s] { return ServePoint(s->AnchorPoint()); });
        Get(L"ActivePoint", [s] { return ServePoint(s->ActivePoint()); });
        Method(L"Delete",
               [s](const Arguments& a) { return Status(s->Delete(LongArgument(a, 0, 1))); });
        Method(L"Insert", [s](const Arguments& a) {
            return Status(s->Insert(TextArgument(a, 0), LongArgument(a, 1, ide::kInsertKeepEnd)));
        });
        Method(L"SelectLine", [s](const Arguments&) { return Status(s->SelectLine()); });
        Method(L"StartOfLine", [s](const Arguments& a) {
            return Status(s->StartOfLine(LongArgument(a, 0, 1), BoolArgument(a, 1)));
        });
        Method(L"EndOfLine",
               [s](const Arguments& a) { return Status(s->EndOfLine(BoolArgument(a, 0))); });
        Method(L"MoveToLineAndOffset", [s](const Arguments& a) {
            return Status(s->MoveTo(LongArgument(a, 0), LongArgument(a, 1), BoolArgument(a, 2)));
        });
        Method(L"MoveToDisplayColumn", [s](const Arguments& a) {
            return Status(
                s->MoveToDisplayColumn(LongArgument(a, 0), LongArgument(a, 1), BoolArgument(a, 2)));
        });
        Method(L"CharLeft", [s](const Arguments& a) {
            return Status(s->CharLeft(BoolArgument(a, 0), LongArgument(a, 1, 1)));
        });
        Method(L"CharRight", [s](const Arguments& a) {
            return Status(s->CharRight(BoolArgument(a, 0), LongArgument(a, 1, 1)));
        });
        Method(L"LineUp", [s](const Arguments& a) {
            return Status(s->LineUp(BoolArgument(a, 0), LongArgument(a, 1, 1)));
        });
        Method(L"LineDown", [s](const Arguments& a) {
            return Status(s->LineDown(BoolArgument(a, 0), LongArgument(a, 1, 1)));
        });
        Method(L"StartOfDocument",
               [s](const Arguments& a) { return Status(s->StartOfDocument(BoolArgument(a, 0))); });
        Method(L"EndOfDocument",
               [s](const Arguments& a) { return Status(s->EndOfDocument(BoolArgument(a, 0))); });
        Method(L"GotoLine", [s](const Arguments& a) {
            return Status(s->GotoLine(LongArgument(a, 0), BoolArgument(a, 1)));
        });
        Method(L"FindText", [s](const Arguments& a) -> Result {
            return Variant(s->FindText(TextArgument(a, 0), LongArgument(a, 1)));
        });
        Method(L"SetBookmark", [s](const Arguments&) { return Status(s->SetBookmark()); });
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

class WindowsServer : public DispatchServer {
  public:
    explicit WindowsServer(const ide::Ref<ide::Windows>& w) {
        Get(L"Count", [w] { return Variant(w->Count()); });
    }
};

class DocumentServer : public DispatchServer {
  public:
    explicit DocumentServer(const ide::Ref<ide::Document>& d) {
        Get(L"FullName", [d] { return Variant(d->FullName()); });
        Get(L"Type", [d] { return Variant(d->Type()); });
        Get(L"ActiveWindow", [d] { return Variant(Serve<WindowServer>(d->ActiveWindow()).Get()); });
        Get(L"Windows", [d] { return Variant(Serve<WindowsServer>(d->GetWindows()).Get()); });
        Get(L"Saved", [d] { return Variant(d->Saved()); });
        Method(L"Save",
               [d](const Arguments& a) -> Result { return Variant(d->Save(TextArgument(a, 0))); });
        Field(
            L"Language", [d] { return Variant(d->Language()); },
            [d](const Variant& v) { return d->SetLanguage(v.ToText().value_or("")); });
    }
};

class DocumentsServer : public DispatchServer {
  public:
    explicit DocumentsServer(const ide::Ref<ide::Documents>& d) {
        Get(L"Count", [d] { return Variant(d->Count()); });
        Method(L"Item", [d](const Arguments& a) {
            return Object(Serve<DocumentServer>(d->Item(LongArgument(a, 0))));
        });
        Method(L"Open", [d](const Arguments& a) {
            return Object(Serve<DocumentServer>(
                d->Open(TextArgument(a, 0), TextArgument(a, 1), BoolArgument(a, 2))));
        });
    }
};

ide::Value ToValue(const Variant& value) {
    switch (value.Type()) {
        case VT_BOOL:
            return value.ToBool().value_or(false);
        case VT_BSTR:
            return value.ToText().value_or("");
        case VT_EMPTY:
            return {};
        default:
            if (auto number = value.ToLong())
                return *number;
            return {};
    }
}

Variant FromValue(const ide::Value& value) {
    if (auto flag = std::get_if<bool>(&value))
        return Variant(*flag);
    if (auto number = std::get_if<long>(&value))
        return Variant(*number);
    if (auto text = std::get_if<std::string>(&value))
        return Variant(*text);
    return Variant();
}

class PropertyServer : public DispatchServer {
  public:
    explicit PropertyServer(const ide::Ref<ide::Property>& p) {
        Get(L"Name", [p] { return Variant(p->Name()); });
        Field(
            L"Value", [p] { return FromValue(p->GetValue()); },
            [p](const Variant& v) { return p->SetValue(ToValue(v)); });
    }
};

class PropertiesServer : public DispatchServer {
  public:
    explicit PropertiesServer(const ide::Ref<ide::Properties>& p) {
        Get(L"Count", [p] { return Variant(p->Count()); });
        Method(L"Item", [p](const Arguments& a) {
            return Object(Serve<PropertyServer>(p->Item(LongArgument(a, 0))));
        });
    }
};

class SolutionServer : public DispatchServer {
  public:
    explicit SolutionServer(const ide::Ref<ide::Solution>& s) {
        Get(L"FullName", [s] { return Variant(s->FullName()); });
    }
};

// The debugger's members are not needed by the scenarios served so far.
class DebuggerServer : public DispatchServer {
  public:
    explicit DebuggerServer(const ide::Ref<ide::Debugger>&) {}
};

class EnvironmentServer : public DispatchServer {
  public:
    explicit EnvironmentServer(const ide::Ref<ide::Environment>& e) {
        Answer(win32::kDteId);
        Get(L"ActiveDocument",
            [e] { return Variant(Serve<DocumentServer>(e->ActiveDocument()).Get()); });
        Get(L"Documents", [e] { return Variant(Serve<DocumentsServer>(e->GetDocuments()).Get()); });
        Get(L"ActiveWindow", [e] { return Variant(Serve<WindowServer>(e->ActiveWindow()).Get()); });
        Method(L"Properties", [e](const Arguments& a) {
            return Object(
                Serve<PropertiesServer>(e->GetProperties(TextArgument(a, 0), TextArgument(a, 1))));
        });
        Get(L"Solution", [e] { return Variant(Serve<SolutionServer>(e->GetSolution()).Get()); });
        Get(L"Debugger", [e] { return Variant(Serve<DebuggerServer>(e->GetDebugger()).Get()); });
        Get(L"Commands", [e] { return Variant(ServeCommands(e->GetCommands()).Get()); });
        Get(L"CommandBars", [e] { return Variant(ServeCommandBars(e->GetCommandBars()).Get()); });
        Get(L"Version", [e] { return Variant(e->Version()); });
        Get(L"RegistryRoot", [e] { return Variant(e->RegistryRoot()); });
        Field(
            L"SuppressUI", [e] { return Variant(e->SuppressUI()); },
            [e](const Variant& v) { return e->SetSuppressUI(v.ToBool().value_or(false)); });
    }
};

}  // namespace

win32::ComPtr<IDispatch> ServeEnvironment(ide::Ref<ide::Environment> environment) {
    return Serve<EnvironmentServer>(environment);
}

}  // namespace e2e
