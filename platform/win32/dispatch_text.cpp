// Text windows, their selection and its points.
#include "win32/dispatch_objects.h"

namespace win32 {

namespace {

std::optional<ide::Point> ReadPoint(ComPtr<IDispatch> object) {
    if (!object)
        return std::nullopt;
    Dispatch point(std::move(object));
    ide::Point result;
    result.line = point.GetLong(L"Line");
    result.lineCharOffset = point.GetLong(L"LineCharOffset");
    result.displayColumn = point.GetLong(L"DisplayColumn");
    result.atStartOfLine = point.GetBool(L"AtStartOfLine");
    result.atEndOfLine = point.GetBool(L"AtEndOfLine");
    return result;
}

class DispatchTextSelection : public ide::TextSelection, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    std::string Text() override { return target_.GetText(L"Text"); }
    bool SetText(const std::string& text) override { return target_.Put(L"Text", text); }
    bool IsEmpty() override { return target_.GetBool(L"IsEmpty"); }
    long CurrentLine() override { return target_.GetLong(L"CurrentLine"); }
    long CurrentColumn() override { return target_.GetLong(L"CurrentColumn"); }
    long TopLine() override { return target_.GetLong(L"TopLine"); }
    long BottomLine() override { return target_.GetLong(L"BottomLine"); }
    std::optional<ide::Point> TopPoint() override {
        return ReadPoint(target_.GetDispatch(L"TopPoint"));
    }
    std::optional<ide::Point> BottomPoint() override {
        return ReadPoint(target_.GetDispatch(L"BottomPoint"));
    }
    std::optional<ide::Point> AnchorPoint() override {
        return ReadPoint(target_.GetDispatch(L"AnchorPoint"));
    }
    std::optional<ide::Point> ActivePoint() override {
        return ReadPoint(target_.GetDispatch(L"ActivePoint"));
    }

    bool Delete(long count) override { return target_.Run(L"Delete", count); }
    bool Insert(const std::string& text, long flags) override {
        return target_.Run(L"Insert", text, flags);
    }
    bool SelectLine() override { return target_.Run(L"SelectLine"); }
    bool StartOfLine(long where, bool extend) override {
        return target_.Run(L"StartOfLine", where, extend);
    }
    bool EndOfLine(bool extend) override { return target_.Run(L"EndOfLine", extend); }
    bool MoveTo(long line, long column, bool extend) override {
        return target_.Run(L"MoveToLineAndOffset", line, column, extend);
    }
    bool MoveToDisplayColumn(long line, long column, bool extend) override {
        return target_.Run(L"MoveToDisplayColumn", line, column, extend);
    }
    bool CharLeft(bool extend, long count) override {
        return target_.Run(L"CharLeft", extend, count);
    }
    bool CharRight(bool extend, long count) override {
        return target_.Run(L"CharRight", extend, count);
    }
    bool LineUp(bool extend, long count) override { return target_.Run(L"LineUp", extend, count); }
    bool LineDown(bool extend, long count) override {
        return target_.Run(L"LineDown", extend, count);
    }
    bool StartOfDocument(bool extend) override { return target_.Run(L"StartOfDocument", extend); }
    bool EndOfDocument(bool extend) override { return target_.Run(L"EndOfDocument", extend); }
    bool GotoLine(long line, bool select) override {
        return target_.Run(L"GotoLine", line, select);
    }
    // The IDE answers whether the text was found.
    bool FindText(const std::string& pattern, long options) override {
        auto found = target_.Call(L"FindText", pattern, options);
        return found && found->ToBool().value_or(false);
    }
    bool SetBookmark() override { return target_.Run(L"SetBookmark"); }
};

class DispatchTextWindow : public ide::TextWindow, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    ide::Ref<ide::TextSelection> Selection() override {
        return Wrap<DispatchTextSelection>(target_.GetDispatch(L"Selection"));
    }
};

}  // namespace

ide::Ref<ide::TextWindow> MakeTextWindow(ComPtr<IDispatch> object) {
    return Wrap<DispatchTextWindow>(std::move(object));
}

}  // namespace win32
