// The Clean dialog: a directory, whether to search its subdirectories, and the file types;
// "Clean..." searches, asks for confirmation with the full list and deletes.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "commands/files/clean_search.h"
#include "commands/files/dialog_control.h"
#include "commands/files/file_types.h"
#include "settings/registry.h"
#include "sys/platform.h"

namespace commands::files {

// The dialog's inputs, as remembered in the settings' "Clean" section.
struct CleanInputs {
    std::string directory;
    bool recursive = true;
    std::string fileTypes = kDefaultFileTypes;

    bool operator==(const CleanInputs&) const = default;
};

CleanInputs LoadCleanInputs(settings::CRegistry& registry);
void StoreCleanInputs(settings::CRegistry& registry, const CleanInputs& inputs);

class CleanDlg {
  public:
    static constexpr int kResource = 211;
    static constexpr const char* kCaption = "Clean";
    static constexpr int kWidth = 180;
    static constexpr int kHeight = 86;
    static constexpr int kIdDirectory = 1065;
    static constexpr int kIdBrowse = 1066;
    static constexpr int kIdRecursive = 1071;
    static constexpr int kIdFileTypes = 1073;
    static constexpr int kIdClean = kIdOk;
    static constexpr int kIdStore = 1074;
    static constexpr const char* kBrowseTitle = "Browse for Folder";
    static std::span<const DialogControl> Controls();

    CleanDlg(sys::Platform& platform, settings::CRegistry& registry)
        : platform_(platform), registry_(registry) {}

    // On opening: the remembered inputs.
    void Open() { inputs_ = LoadCleanInputs(registry_); }

    const CleanInputs& Inputs() const { return inputs_; }
    void SetDirectory(std::string directory) { inputs_.directory = std::move(directory); }
    void SetRecursive(bool recursive) { inputs_.recursive = recursive; }
    void SetFileTypes(std::string types) { inputs_.fileTypes = std::move(types); }
    bool CleanEnabled() const { return !inputs_.directory.empty(); }

    // "...": a chosen folder with a path of at most 260 characters replaces the directory;
    // true when it did.
    bool Browse();
    // "OK": remembers the inputs; the dialog closes.
    void Store() { StoreCleanInputs(registry_, inputs_); }
    // "Clean...": search, confirm, delete. True when the deletion ran (the inputs are then
    // remembered and the dialog closes); false leaves everything as it was.
    bool Clean();
    // What the last confirmed deletion did.
    const DeleteSummary& LastDeletion() const { return lastDeletion_; }

  private:
    sys::Platform& platform_;
    settings::CRegistry& registry_;
    CleanInputs inputs_;
    DeleteSummary lastDeletion_;
};

}  // namespace commands::files
