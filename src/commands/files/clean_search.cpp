#include "commands/files/clean_search.h"

#include <algorithm>

#include "commands/files/clean_pattern.h"
#include "commands/files/file_types.h"
#include "commands/files/format_size.h"

namespace commands::files {

namespace {

struct Pending {
    std::string path;  // as shown, without a final separator unless the user gave one
    std::size_t parent;
    std::string name;  // empty for the root
    std::size_t depth;
};

}  // namespace

std::vector<sys::PathStep> CleanList::StepsTo(std::size_t directory) const {
    std::vector<sys::PathStep> steps;
    for (std::size_t at = directory;; at = directories[at].parent) {
        steps.push_back(directories[at].step);
        if (directories[at].parent == at)
            break;
    }
    std::reverse(steps.begin(), steps.end());
    return steps;
}

CleanList SearchForFiles(sys::Platform& platform, ProgressDlg& progress,
                         const std::string& directory, bool recursive, const std::string& fileTypes,
                         editor::PathStyle style) {
    CleanList list;
    std::vector<CleanPattern> patterns;
    for (std::string& field : SplitFileTypes(fileTypes))
        patterns.emplace_back(std::move(field));
    const char separator = editor::Separator(style);
    const sys::SizeWanted matchesAny = [&patterns](std::string_view name) {
        return std::any_of(patterns.begin(), patterns.end(),
                           [name](const CleanPattern& pattern) { return pattern.Matches(name); });
    };
    // Depth first in listing order without recursion: a directory's subdirectories are
    // pushed last to first, so the first comes off next.
    std::vector<Pending> pending{{directory, 0, {}, 0}};
    std::vector<sys::PathStep> steps;
    while (!pending.empty()) {
        Pending next = std::move(pending.back());
        pending.pop_back();
        progress.SetText(next.path);
        progress.StepIt();

        const std::size_t index = list.directories.size();
        const bool root = next.name.empty();
        steps = root ? std::vector<sys::PathStep>{} : list.StepsTo(next.parent);
        steps.push_back({root ? next.path : next.name, {}});
        const std::optional<sys::DirectoryListing> listing =
            platform.ListDirectory(steps, matchesAny);
        if (!listing)
            continue;
        list.directories.push_back({root ? index : next.parent, {steps.back().name, listing->id}});

        std::string prefix = next.path;
        if (prefix.empty() || prefix.back() != separator)
            prefix += separator;
        for (const CleanPattern& pattern : patterns) {
            for (const sys::DirectoryEntry& entry : listing->entries) {
                if (entry.kind != sys::EntryKind::kFile || !pattern.Matches(entry.name))
                    continue;
                std::string path;
                path.reserve(prefix.size() + entry.name.size());
                path.append(prefix).append(entry.name);
                list.files.push_back({std::move(path), entry.name, index, entry.size});
                list.total += entry.size;
            }
        }
        if (!recursive || next.depth + 1 >= kMaxCleanDepth)
            continue;
        const std::size_t firstChild = pending.size();
        for (const sys::DirectoryEntry& entry : listing->entries) {
            if (entry.kind == sys::EntryKind::kDirectory)
                pending.push_back({prefix + entry.name, index, entry.name, next.depth + 1});
        }
        std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(firstChild), pending.end());
    }
    return list;
}

std::string ConfirmationText(const CleanList& list) {
    std::string text = "Files that will be DELETED:\r\n\r\n";
    std::size_t size = text.size() + 64;
    for (const CleanList::File& file : list.files)
        size += file.path.size() + 2;
    text.reserve(size);
    for (const CleanList::File& file : list.files)
        text.append(file.path).append("\r\n");
    text += "\r\nTotal: " + std::to_string(list.files.size()) + " files, " +
            FormatSize(list.total) + "\r\n";
    return text;
}

DeleteSummary DeleteFiles(sys::Platform& platform, ProgressDlg& progress, const CleanList& list) {
    DeleteSummary summary;
    progress.SetTitle("Deleting Files...");
    progress.SetRange(list.files.size(), false);
    std::size_t stepsFor = list.directories.size();
    std::vector<sys::PathStep> steps;
    for (const CleanList::File& file : list.files) {
        // Files of one directory come together: its steps are built once for them.
        if (file.directory != stepsFor) {
            steps = list.StepsTo(file.directory);
            stepsFor = file.directory;
        }
        switch (platform.DeleteListedFile(steps, file.name)) {
            case sys::DeleteOutcome::kDeleted:
                ++summary.deleted;
                break;
            case sys::DeleteOutcome::kGone:
                ++summary.gone;
                break;
            case sys::DeleteOutcome::kChanged:
                ++summary.changed;
                break;
            case sys::DeleteOutcome::kFailed:
                ++summary.failed;
                break;
        }
        progress.StepIt();
    }
    return summary;
}

}  // namespace commands::files
