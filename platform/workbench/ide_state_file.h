// The IDE's state kept between runs, as one JSON file.
#pragma once

#include <filesystem>
#include <string>

#include "workbench/ide_state.h"

namespace workbench {

// A missing file gives a fresh IDE's state. An unreadable or malformed file gives false with
// the reason (naming the path and the offending field) and leaves `state` unchanged; the
// caller then runs on defaults and must not save over the file, which is the user's to mend.
// The fields are checked here for their types only; RestoreIdeState checks the rest.
bool ReadIdeStateFile(const std::filesystem::path& path, IdeState& state, std::string& error);

// Creates missing parent directories and replaces the file as a whole (WriteFileBytes), so it
// is never found half written. Callers that read, change and write it back hold its lock.
bool WriteIdeStateFile(const std::filesystem::path& path, const IdeState& state,
                       std::string& error);

}  // namespace workbench
