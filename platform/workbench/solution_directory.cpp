#include "workbench/solution_directory.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "workbench/file_io.h"

namespace fs = std::filesystem;

namespace workbench {
namespace {

struct Entry {
    std::string name;
    bool folder = false;
};

// What one directory holds that belongs in the project, sorted by name.
std::vector<Entry> ListDirectory(const fs::path& directory) {
    std::vector<Entry> entries;
    std::error_code error;
    fs::directory_iterator it(directory, fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.')
            continue;
        std::error_code ignored;
        fs::file_status own = it->symlink_status(ignored);
        fs::file_status target = fs::is_symlink(own) ? it->status(ignored) : own;
        if (fs::is_directory(target) && !fs::is_symlink(own)) {
            entries.push_back({name, true});
        } else if (fs::is_regular_file(target)) {
            entries.push_back({name, false});
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return entries;
}

}  // namespace

std::shared_ptr<SolutionModel> LoadSolutionDirectory(const std::string& path, std::string& error) {
    std::string root = NormalizePath(path);
    std::error_code status;
    if (root.empty() || !fs::is_directory(root, status)) {
        error = "not a directory: " + path;
        return nullptr;
    }
    std::error_code unreadable;
    fs::directory_iterator probe(root, unreadable);
    if (unreadable) {
        error = "cannot read " + path + ": " + unreadable.message();
        return nullptr;
    }

    fs::path rootPath(root);
    std::string name = rootPath.filename().string();
    if (name.empty())
        name = root;
    auto solution = std::make_shared<SolutionModel>((rootPath / (name + ".sln")).string());
    std::shared_ptr<ProjectModel> project = solution->AddProject(name, root);

    struct Pending {
        fs::path directory;
        ProjectItemList* items;
        int depth;
    };
    std::vector<Pending> pending{{rootPath, &project->Items(), 0}};
    while (!pending.empty()) {
        Pending next = std::move(pending.back());
        pending.pop_back();
        for (const Entry& entry : ListDirectory(next.directory)) {
            std::string full = (next.directory / entry.name).string();
            if (!entry.folder) {
                next.items->AddFile(full);
                continue;
            }
            std::shared_ptr<ProjectItemModel> folder = next.items->AddPhysicalFolder(full);
            if (next.depth + 1 < kMaxSolutionDepth) {
                pending.push_back({full, folder->Items(), next.depth + 1});
            }
        }
    }
    return solution;
}

}  // namespace workbench
