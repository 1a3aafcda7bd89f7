// What a command needs to do its work: the IDE, the operating system and the settings.
#pragma once

#include "editor/editor_document.h"
#include "editor/ide.h"
#include "settings/settings.h"
#include "sys/platform.h"

namespace commands {

struct CommandContext {
    ide::Environment* environment = nullptr;  // none before the IDE connects
    sys::Platform& platform;
    settings::Settings& settings;

    editor::FileKinds Kinds() const {
        return {settings.sourceExtensions, settings.headerExtensions};
    }
};

}  // namespace commands
