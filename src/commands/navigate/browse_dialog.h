// The Browse dialog as a model: what it shows (filter, rows, selection, static text, title,
// focus) and how it reacts to the user. A view shows it and reports events; after each event
// it shows the model's state again.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "commands/command_context.h"
#include "commands/navigate/browse_filter.h"
#include "commands/navigate/browse_levels.h"
#include "commands/navigate/browse_selection.h"
#include "settings/registry.h"

namespace commands::navigate {

inline constexpr int kBrowseDialogId = 214;
inline constexpr int kBrowseFilterId = 1003;
inline constexpr int kBrowseListId = 1002;
inline constexpr int kBrowseOkId = 1;
inline constexpr int kBrowseCloseId = 2;
inline constexpr int kBrowseUpId = 3;
inline constexpr int kBrowseStaticId = 1059;
inline constexpr char kBrowseCaption[] = "Browse";

inline constexpr char kValueBrowseFocus[] = "Browse Focus";
inline constexpr char kWindowBrowse[] = "Browse";

enum class BrowseFocus { Filter, List };
enum class BrowseKey { Backspace, Left, Right, Up, Down, PageUp, PageDown, Home, End };
enum class BrowseEnd { Running, Ok, Cancel };

// What became of a key looked at before the focused control's own handling.
enum class KeyOutcome {
    Normal,     // the focused control handles it as usual
    Swallowed,  // the dialog handled it
    ToList,     // the focus moved to the list, which takes the key
};

class BrowseDialog {
  public:
    // The registry keeps "Browse Focus" and the placement; without one neither persists.
    BrowseDialog(const CommandContext& context, settings::CRegistry* registry);

    // Chooses the first level from the active document and loads it. False when nothing can
    // be shown: the dialog then ends at once, cancelled.
    bool Open();

    // Events.
    void FilterEdited(std::string_view text);
    void Select(BrowseRow row);
    void FocusMoved(BrowseFocus focus) { focus_ = focus; }
    KeyOutcome KeyDown(BrowseKey key);
    // A typed character while the list has the focus; true when it went to the filter.
    bool CharTyped(char c);
    void GoDown();  // ">> [Enter]", Enter, a double click, Right
    void GoUp();    // "<< [Backspace]", Backspace or Left on an empty filter
    void Close() { end_ = BrowseEnd::Cancel; }
    // The list's own reaction to a cursor key, for views whose list has none.
    void MoveInList(BrowseKey key, std::size_t page);

    // What the view shows.
    const std::string& Filter() const { return filter_; }
    std::size_t RowCount() const { return listed_.size(); }
    const std::string& RowText(std::size_t row) const { return Entries().shown[listed_[row]]; }
    BrowseRow Selected() const { return selected_; }
    bool OkEnabled() const { return selected_.has_value(); }
    BrowseFocus Focus() const { return focus_; }
    const std::string& StaticText() const { return staticText_; }
    const std::string& Title() const { return title_; }
    int Level() const { return levels_.level; }
    BrowseEnd End() const { return end_; }

    // The saved placement (a first run centres the window), and saving it when it closes.
    void RestorePlacement(settings::RectWindow& window);
    void SavePlacement(const settings::RectWindow& window);

  private:
    const BrowseEntries& Entries() const { return levels_.Display(); }
    const std::string* SelectedData() const;
    // Fills the rows from the entries on display through the filter, selects the current
    // item and sets the static text and the title.
    void Refill();
    void Describe();
    void SaveFocus();
    // Opens the chosen file (at its line, at the member level); false when the IDE could not.
    bool OpenChoice();

    const CommandContext& context_;
    settings::CRegistry* registry_;
    BrowseLevels levels_;
    std::string filter_;
    BrowseFilter rows_;
    std::vector<std::size_t> listed_;
    BrowseRow selected_;
    BrowseFocus focus_ = BrowseFocus::List;
    std::string staticText_;
    std::string title_ = kBrowseCaption;
    BrowseEnd end_ = BrowseEnd::Running;
};

}  // namespace commands::navigate
