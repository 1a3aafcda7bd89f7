// The four pages of the options sheet: their controls as the dialog templates lay them out,
// and the values each page holds while it is open.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>

#include "editor/path_style.h"
#include "settings/settings.h"

namespace settings {

enum class ControlKind { GroupBox, PushButton, Static, Label, Edit, CheckBox, RadioButton };

struct ControlDef {
    int id;  // -1 for controls nobody addresses
    ControlKind kind;
    const char* text;
    int x, y, width, height;     // dialog units
    const char* name = nullptr;  // of a control holding a value, as `zentrel options` sets it
};

struct PageDef {
    int dialogId;
    int captionId;  // string resource of the tab caption
    const char* caption;
    int width, height;  // dialog units
    std::span<const ControlDef> controls;
};

// A page's values: texts of its edits and states of its buttons by control id; a radio group
// is filed under its first button with the index of the chosen one (-1: none chosen).
class COptionsPage {
  public:
    virtual ~COptionsPage() = default;
    virtual const PageDef& Def() const = 0;
    virtual void OnInitDialog(const Settings& settings) = 0;
    virtual void OnApply(Settings& settings) const = 0;

    std::string Text(int id) const;
    void SetText(int id, std::string text) { texts_[id] = std::move(text); }
    int State(int id) const;
    void SetState(int id, int state) { states_[id] = state; }

    // The control holding the value of that name (ASCII case ignored); nullptr when the page
    // has none.
    const ControlDef* ValueControl(std::string_view name) const;
    // Sets the value of that control from text: an edit takes it as it is, a check box "0" or
    // "1", a radio group its button's number from 0 or its text. False when the text does not fit.
    bool SetValue(const ControlDef& control, std::string_view value);

  private:
    std::map<int, std::string> texts_;
    std::map<int, int> states_;
};

class COptionsPageSetup : public COptionsPage {
  public:
    static constexpr int kResetButton = 202;
    const PageDef& Def() const override;
    void OnInitDialog(const Settings&) override {}
    void OnApply(Settings&) const override {}
};

class COptionsPageFileSwitch : public COptionsPage {
  public:
    static constexpr int kSourceFiles = 1076;
    static constexpr int kHeaderFiles = 1077;
    static constexpr int kDirectories = 1004;
    explicit COptionsPageFileSwitch(editor::PathStyle style = editor::NativePathStyle())
        : style_(style) {}
    const PageDef& Def() const override;
    void OnInitDialog(const Settings& settings) override;
    void OnApply(Settings& settings) const override;

  private:
    editor::PathStyle style_;
};

class COptionsPageCodeTemplates : public COptionsPage {
  public:
    static constexpr int kAuthor = 1052;
    const PageDef& Def() const override;
    void OnInitDialog(const Settings& settings) override;
    void OnApply(Settings& settings) const override;
};

class COptionsPageOther : public COptionsPage {
  public:
    static constexpr int kAddBookmarks = 1077;
    static constexpr int kPasteDefaultParameters = 1078;
    static constexpr int kPastePrefixes = 1079;
    static constexpr int kPasteComment = 1080;
    static constexpr int kPasteSpace = 1081;
    static constexpr int kBrowseShowsClasses = 1082;
    static constexpr int kCommentizeStyle = 203;  // the radio group's first button
    const PageDef& Def() const override;
    void OnInitDialog(const Settings& settings) override;
    void OnApply(Settings& settings) const override;
};

// A control's text as shown: without the '&' that marks its access key.
std::string ShownText(std::string_view text);

}  // namespace settings
