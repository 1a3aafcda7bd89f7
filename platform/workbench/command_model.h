// The IDE's named commands: the add-in's and the IDE's own, their key bindings in the active
// keyboard scheme, and the buttons that run them on the command bars.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/ide.h"
#include "workbench/command_bar_store.h"
#include "workbench/gap_list.h"
#include "workbench/hashed_pointers.h"
#include "workbench/key_chord.h"
#include "workbench/keyboard_scheme.h"

namespace workbench {

class AddInRecord : public ide::AddIn {
  public:
    explicit AddInRecord(std::string progId) : progId_(std::move(progId)) {}
    std::string ProgID() override { return progId_; }

  private:
    std::string progId_;
};

class CommandModel;

// A command as the IDE lists it, apart from the model.
struct CommandState {
    std::string name;  // full name
    std::string buttonText;
    std::string tooltip;
    std::vector<std::string> bindings;  // "Scope::keys"
    bool operator==(const CommandState&) const = default;
};

class NamedCommand : public ide::Command {
  public:
    NamedCommand(std::weak_ptr<CommandModel> owner, std::string_view name,
                 std::string_view buttonText, std::string_view tooltip);

    // Once deleted a command answers nothing and every call fails.
    std::string Name() override;
    std::vector<std::string> Bindings() override;
    bool SetBindings(const std::vector<std::string>& bindings) override;
    bool Delete() override;
    // The bar must be one of this IDE's, reached through either generation.
    ide::Ref<ide::CommandBarControl> AddControl(ide::CommandBar& bar, long position) override;

    std::string_view FullName() const { return std::string_view(texts_).substr(0, nameSize_); }
    std::string_view ButtonText() const {
        return std::string_view(texts_).substr(nameSize_, buttonTextSize_);
    }
    std::string_view Tooltip() const {
        return std::string_view(texts_).substr(nameSize_ + buttonTextSize_);
    }
    std::vector<std::string> BindingTexts() const;

  private:
    friend class CommandModel;

    std::weak_ptr<CommandModel> owner_;  // reset on deletion
    std::uint64_t sequence_ = 0;         // grows in list order
    std::uint64_t nameHash_ = 0;
    // The full name, the button text and the tooltip one after another: tens of thousands of
    // commands are fewer allocations to make and to free.
    std::string texts_;
    std::size_t nameSize_ = 0;
    std::size_t buttonTextSize_ = 0;
    struct Binding {
        std::string text;
        std::optional<std::uint64_t> hash;  // none when the text is not a binding
    };
    std::vector<Binding> bindings_;
};

// Lists commands in the order created; deleting one moves the later ones up an index. Full
// names compare without regard to case, as the IDE's do. Names and bindings are indexed, and
// a walk by index that deletes as it goes costs no more than the walk, so that setting up
// tens of thousands of commands stays linear. Create with make_shared.
class CommandModel : public ide::Commands, public std::enable_shared_from_this<CommandModel> {
  public:
    CommandModel(std::shared_ptr<CommandBarStore> bars, std::shared_ptr<KeyboardScheme> scheme)
        : bars_(std::move(bars)), scheme_(std::move(scheme)) {}

    long Count() override { return static_cast<long>(commands_.Size()); }
    ide::Ref<ide::Command> Item(long index) override;
    // Fails without an add-in or a name, or when the full name exists. The picture, the
    // initial status and the picture flag are not kept.
    ide::Ref<ide::Command> AddNamedCommand(ide::AddIn* addIn, const std::string& name,
                                           const std::string& buttonText,
                                           const std::string& tooltip, bool msoButton,
                                           long bitmapId, long status) override;
    // Only top-level toolbars. The bar is given through the newer generation when the bar
    // collection answers it, else the older one; when it answers neither the bar is still
    // made but nothing is given back.
    ide::Ref<ide::CommandBar> AddCommandBar(const std::string& name, long type,
                                            ide::CommandBar* parent, long position) override;
    bool RemoveCommandBar(ide::CommandBar& bar) override;

    // Adds a command by its full name, as the IDE's own are; bindings are taken as given.
    // Empty when the name is empty or exists.
    std::shared_ptr<NamedCommand> Add(std::string_view fullName, std::string_view buttonText,
                                      std::string_view tooltip, std::vector<std::string> bindings);
    // Replaces every command with these, in order, bindings taken as given. The names are
    // present and unique, as the caller has checked.
    void Assign(const std::vector<CommandState>& commands);
    void Clear();
    // In list order.
    std::vector<std::shared_ptr<NamedCommand>> All() const;
    const NamedCommand* Find(std::string_view fullName) const;
    // The first command holding the binding.
    const NamedCommand* BoundTo(const KeyBinding& binding) const;

    CommandBarStore& Bars() const { return *bars_; }
    const std::shared_ptr<CommandBarStore>& SharedBars() const { return bars_; }
    KeyboardScheme& Scheme() const { return *scheme_; }
    const std::shared_ptr<KeyboardScheme>& SharedScheme() const { return scheme_; }

  private:
    friend class NamedCommand;

    // A chord holds one command per scope: binding it takes it from any other command.
    bool WriteBindings(NamedCommand& command, const std::vector<std::string>& bindings);
    bool Remove(NamedCommand& command);
    std::optional<std::size_t> PositionOf(const NamedCommand& command) const;
    // Whether the command holds the binding, whose hash is given.
    static bool Holds(const NamedCommand& command, const KeyBinding& binding, std::uint64_t hash);
    // Takes the texts as the command's bindings, each with its hash.
    static void SetHashedBindings(NamedCommand& command, std::vector<std::string> texts);
    void Index(NamedCommand& command);
    void Unindex(NamedCommand& command);
    // The bar when it is one of this IDE's.
    std::shared_ptr<BarRecord> OwnBar(ide::CommandBar& bar) const;

    std::shared_ptr<CommandBarStore> bars_;
    std::shared_ptr<KeyboardScheme> scheme_;
    GapList<std::shared_ptr<NamedCommand>> commands_;
    std::uint64_t nextSequence_ = 0;
    HashedPointers<NamedCommand> byName_;  // by the folded full name's hash
    // Each command once under the hash of each binding it holds; several may hold one binding
    // after a restore.
    HashedPointers<NamedCommand> byBinding_;
};

}  // namespace workbench
