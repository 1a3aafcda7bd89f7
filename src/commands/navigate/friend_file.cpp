#include "commands/navigate/friend_file.h"

#include "commands/navigate/friend_path.h"
#include "editor/command_frame.h"

namespace commands::navigate {

void FriendFile(const CommandContext& context) {
    editor::RunCommand(context.platform, true, [&] {
        if (context.environment == nullptr)
            throw editor::CommandAbort::Silent();
        editor::EditorDocument document(*context.environment, context.platform, context.Kinds());
        if (!document.Attach())
            throw editor::CommandAbort::Silent();
        const std::string friendPath = FriendPath(document, context);
        if (friendPath.empty())
            throw editor::CommandAbort::Silent();
        ide::Ref<ide::Documents> documents = context.environment->GetDocuments();
        if (!documents)
            throw editor::CommandAbort::Silent();
        // The opened document is not needed: the IDE brings it to the front itself.
        documents->Open(friendPath, "Auto", false);
    });
}

}  // namespace commands::navigate
