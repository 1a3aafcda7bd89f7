#include "posix/module_files.h"

#include <system_error>

#include "templates/template_file.h"

namespace posix {

std::filesystem::path ModuleFilesDirectory(const std::filesystem::path& program,
                                           const std::filesystem::path& installed) {
    const std::filesystem::path beside = program.parent_path();
    std::error_code error;
    if (std::filesystem::exists(beside / templates::kTemplateFileName, error))
        return beside;
    const std::filesystem::path data = (beside / installed).lexically_normal();
    if (!installed.empty() && std::filesystem::is_directory(data, error))
        return data;
    return beside;
}

std::optional<std::filesystem::path> ProgramPath() {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::nullopt;
    return self;
}

std::filesystem::path ProgramFilesDirectory() {
    const std::optional<std::filesystem::path> self = ProgramPath();
    return self ? ModuleFilesDirectory(*self, ZENTREL_INSTALLED_FILES) : std::filesystem::path();
}

}  // namespace posix
