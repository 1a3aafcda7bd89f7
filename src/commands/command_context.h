// What a command needs to do its work: the IDE, the operating system and the settings.
#pragma once

#include <functional>
#include <optional>

#include "analysis/member_record.h"
#include "editor/editor_document.h"
#include "editor/ide.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "sys/platform.h"

namespace templates {
class TemplateSource;
}

namespace commands {

// What the last Copy Members read; no list at all before the first one.
using MemberStore = std::optional<analysis::MemberList>;

struct CommandContext {
    ide::Environment* environment = nullptr;  // none before the IDE connects
    sys::Platform& platform;
    settings::Settings& settings;
    MemberStore* members = nullptr;           // the application's, when there is one
    settings::CRegistry* registry = nullptr;  // the profile the dialogs remember their inputs in
    // What only the application can do; empty where there is none.
    std::function<void()> saveSettings = nullptr;
    std::function<void()> resetCommands = nullptr;
    templates::TemplateSource* templates = nullptr;  // the application's code templates

    editor::FileKinds Kinds() const {
        return {settings.sourceExtensions, settings.headerExtensions};
    }
};

}  // namespace commands
