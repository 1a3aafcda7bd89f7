// The three levels of the Browse dialog (the solution's projects, a project's files, a file's
// members), each loaded lazily from the IDE and kept for the dialog's lifetime.
#pragma once

#include <array>
#include <string>

#include "commands/command_context.h"
#include "commands/navigate/browse_entries.h"

namespace commands::navigate {

enum BrowseLevel : int { kProjectsLevel = 0, kFilesLevel = 1, kMembersLevel = 2 };

// What loading the level in force gave.
enum class BrowseLoad {
    Nothing = 0,   // no level of the chain could be loaded; the level in force is unchanged
    Loaded = 1,    // the level asked for
    FellBack = 2,  // another level, now in force
};

class BrowseLevels {
  public:
    explicit BrowseLevels(const CommandContext& context) : context_(context) {}

    // Loads the level in force, or hands over to its fallback (projects and files to members,
    // members to files), each level tried at most once per chain. On success its entries are
    // the ones on display.
    BrowseLoad Load();

    int level = kMembersLevel;
    std::string currentProject;  // the project's full file name; empty: none
    std::string currentFile;     // full path; empty: none
    long currentLine = 0;        // 0-based caret line after a scan, else an entry's line

    const BrowseEntries& Display() const { return display_; }
    // Changes whenever another list goes on display.
    std::size_t Loads() const { return loads_; }
    // The solution's file name, once the projects were loaded.
    const std::string& SolutionName() const { return solutionName_; }

  private:
    bool LoadLevel(int which);
    bool LoadProjects();
    bool LoadFiles();
    bool LoadMembers();
    bool TakeProjectFiles(ide::Projects& projects, bool firstProject);

    const CommandContext& context_;
    std::array<BrowseEntries, 3> lists_;
    std::array<bool, 3> guard_{};
    bool projectsLoaded_ = false;
    std::string solutionName_;
    bool filesLoaded_ = false;
    std::string filesProject_;
    bool membersLoaded_ = false;
    std::string membersFile_;
    BrowseEntries display_;
    std::size_t loads_ = 0;
};

// The name and extension of a path, as the file level shows it.
std::string FileTitle(const std::string& path);

}  // namespace commands::navigate
