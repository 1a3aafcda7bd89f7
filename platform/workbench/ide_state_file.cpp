#include "workbench/ide_state_file.h"

#include <climits>
#include <system_error>

#include <nlohmann/json.hpp>

#include "workbench/file_io.h"

namespace workbench {
namespace {

using json = nlohmann::ordered_json;
// Read into the tree type whose objects are maps: keys in file order would make a file with
// many keys in one object quadratic to parse, and fields are only looked up by name.
using ReadJson = nlohmann::json;

constexpr int kFormat = 1;

// Reads typed fields, naming the first one that is missing or of the wrong type.
class FieldReader {
  public:
    explicit FieldReader(std::string& error) : error_(error) {}

    bool Text(const ReadJson& object, const char* key, const std::string& where, std::string& out) {
        const ReadJson* field = Field(object, key);
        if (field == nullptr || !field->is_string())
            return Fail(where, key, "a text");
        out = field->get<std::string>();
        return true;
    }
    bool Flag(const ReadJson& object, const char* key, const std::string& where, bool& out) {
        const ReadJson* field = Field(object, key);
        if (field == nullptr || !field->is_boolean())
            return Fail(where, key, "true or false");
        out = field->get<bool>();
        return true;
    }
    bool Number(const ReadJson& object, const char* key, const std::string& where, long& out) {
        const ReadJson* field = Field(object, key);
        bool fits = field != nullptr &&
                    (field->is_number_unsigned() ? field->get<unsigned long long>() <= LONG_MAX
                                                 : field->is_number_integer());
        if (!fits)
            return Fail(where, key, "a whole number");
        out = field->get<long>();
        return true;
    }
    const ReadJson* List(const ReadJson& object, const char* key, const std::string& where) {
        const ReadJson* field = Field(object, key);
        if (field == nullptr || !field->is_array()) {
            Fail(where, key, "a list");
            return nullptr;
        }
        return field;
    }
    const ReadJson* Group(const ReadJson& object, const char* key, const std::string& where) {
        const ReadJson* field = Field(object, key);
        if (field == nullptr || !field->is_object()) {
            Fail(where, key, "an object");
            return nullptr;
        }
        return field;
    }
    bool Texts(const ReadJson& object, const char* key, const std::string& where,
               std::vector<std::string>& out) {
        const ReadJson* list = List(object, key, where);
        if (list == nullptr)
            return false;
        out.clear();
        for (std::size_t i = 0; i < list->size(); ++i) {
            if (!(*list)[i].is_string())
                return Fail(Join(where, key), "[" + std::to_string(i) + "]", "a text");
            out.push_back((*list)[i].get<std::string>());
        }
        return true;
    }
    bool Item(const ReadJson& item, const std::string& where) {
        return item.is_object() || Fail(where, "", "an object");
    }

  private:
    static const ReadJson* Field(const ReadJson& object, const char* key) {
        auto found = object.find(key);
        return found == object.end() ? nullptr : &*found;
    }
    static std::string Join(const std::string& where, const std::string& key) {
        return where.empty() || key.empty() || key.starts_with('[') ? where + key
                                                                    : where + "." + key;
    }
    bool Fail(const std::string& where, const std::string& key, const std::string& expected) {
        std::string name = Join(where, key);
        error_ = (name.empty() ? std::string("the file") : name) + " should be " + expected;
        return false;
    }

    std::string& error_;
};

std::string Indexed(const char* list, std::size_t index) {
    return std::string(list) + "[" + std::to_string(index) + "]";
}

bool ReadCommand(const ReadJson& item, std::size_t index, FieldReader& read,
                 CommandState& command) {
    std::string where = Indexed("commands", index);
    return read.Item(item, where) && read.Text(item, "name", where, command.name) &&
           read.Text(item, "buttonText", where, command.buttonText) &&
           read.Text(item, "tooltip", where, command.tooltip) &&
           read.Texts(item, "bindings", where, command.bindings);
}

// Reads each item of the root's "commands" list as the parser finishes it and drops it from the
// tree, so that a long list never stands in memory as JSON objects. Keeps the first fault.
class CommandStream {
  public:
    bool Take(int depth, ReadJson::parse_event_t event, const ReadJson& parsed) {
        using Event = ReadJson::parse_event_t;
        if (depth == 1) {
            // A later "commands" replaces an earlier one, as in the tree.
            if (event == Event::key) {
                commandsKey_ = parsed == "commands";
            } else if (event == Event::array_start && commandsKey_) {
                open_ = true;
                commands_.clear();
                error_.clear();
            } else if (event == Event::array_end) {
                open_ = false;
            }
            return true;
        }
        if (depth != 2 || !open_ ||
            (event != Event::object_end && event != Event::array_end && event != Event::value))
            return true;
        if (error_.empty()) {
            const std::size_t index = commands_.size();
            FieldReader read(error_);
            ReadCommand(parsed, index, read, commands_.emplace_back());
        }
        return false;
    }

    // The commands once the parse is done, or false with the fault.
    bool Result(std::vector<CommandState>& commands, std::string& error) {
        if (!error_.empty()) {
            error = error_;
            return false;
        }
        commands = std::move(commands_);
        return true;
    }

  private:
    bool commandsKey_ = false;
    bool open_ = false;
    std::vector<CommandState> commands_;
    std::string error_;
};

bool ReadButtons(const ReadJson& bar, const std::string& barWhere, FieldReader& read,
                 std::vector<ButtonState>& buttons) {
    const ReadJson* list = read.List(bar, "buttons", barWhere);
    if (list == nullptr)
        return false;
    for (std::size_t i = 0; i < list->size(); ++i) {
        const ReadJson& item = (*list)[i];
        std::string where = barWhere + "." + Indexed("buttons", i);
        ButtonState& button = buttons.emplace_back();
        if (!read.Item(item, where) || !read.Number(item, "position", where, button.position) ||
            !read.Text(item, "command", where, button.command) ||
            !read.Number(item, "style", where, button.style) ||
            !read.Number(item, "picture", where, button.picture) ||
            !read.Number(item, "mask", where, button.mask))
            return false;
    }
    return true;
}

bool ReadBars(const ReadJson& root, FieldReader& read, std::vector<BarState>& bars) {
    const ReadJson* list = read.List(root, "commandBars", "");
    if (list == nullptr)
        return false;
    for (std::size_t i = 0; i < list->size(); ++i) {
        const ReadJson& item = (*list)[i];
        std::string where = Indexed("commandBars", i);
        BarState& bar = bars.emplace_back();
        if (!read.Item(item, where) || !read.Text(item, "name", where, bar.name) ||
            !read.Flag(item, "visible", where, bar.visible) ||
            !ReadButtons(item, where, read, bar.buttons))
            return false;
    }
    return true;
}

bool ReadState(const ReadJson& root, CommandStream& stream, IdeState& state, std::string& error) {
    FieldReader read(error);
    long format = 0;
    if (!read.Item(root, "") || !read.Number(root, "format", "", format))
        return false;
    if (format != kFormat) {
        error = "format " + std::to_string(format) + " is not known (expected " +
                std::to_string(kFormat) + ")";
        return false;
    }
    const ReadJson* keyboard = read.Group(root, "keyboard", "");
    const ReadJson* generations = read.Group(root, "commandBarGenerations", "");
    return keyboard != nullptr && generations != nullptr &&
           read.Text(root, "version", "", state.version) &&
           read.Text(root, "registryRoot", "", state.registryRoot) &&
           read.Text(*keyboard, "scheme", "keyboard", state.keyboardScheme) &&
           read.Flag(*keyboard, "builtInSchemesReadOnly", "keyboard",
                     state.builtInSchemesReadOnly) &&
           read.Flag(*generations, "older", "commandBarGenerations", state.olderBars) &&
           read.Flag(*generations, "newer", "commandBarGenerations", state.newerBars) &&
           read.List(root, "commands", "") != nullptr && stream.Result(state.commands, error) &&
           ReadBars(root, read, state.bars);
}

json StateJson(const IdeState& state) {
    json commands = json::array();
    for (const CommandState& command : state.commands) {
        commands.push_back({{"name", command.name},
                            {"buttonText", command.buttonText},
                            {"tooltip", command.tooltip},
                            {"bindings", command.bindings}});
    }
    json bars = json::array();
    for (const BarState& bar : state.bars) {
        json buttons = json::array();
        for (const ButtonState& button : bar.buttons) {
            buttons.push_back({{"position", button.position},
                               {"command", button.command},
                               {"style", button.style},
                               {"picture", button.picture},
                               {"mask", button.mask}});
        }
        bars.push_back({{"name", bar.name}, {"visible", bar.visible}, {"buttons", buttons}});
    }
    return {
        {"format", kFormat},
        {"version", state.version},
        {"registryRoot", state.registryRoot},
        {"keyboard",
         {{"scheme", state.keyboardScheme},
          {"builtInSchemesReadOnly", state.builtInSchemesReadOnly}}},
        {"commandBarGenerations", {{"older", state.olderBars}, {"newer", state.newerBars}}},
        {"commands", commands},
        {"commandBars", bars},
    };
}

}  // namespace

bool ReadIdeStateFile(const std::filesystem::path& path, IdeState& state, std::string& error) {
    std::error_code status;
    if (std::filesystem::status(path, status).type() == std::filesystem::file_type::not_found) {
        state = FreshIdeState();
        return true;
    }
    std::string bytes;
    std::string reason;
    if (!ReadFileBytes(path.string(), bytes, reason)) {
        error = "cannot read " + path.string() + ": " + reason;
        return false;
    }
    CommandStream stream;
    ReadJson root = ReadJson::parse(
        bytes,
        [&](int depth, ReadJson::parse_event_t event, ReadJson& parsed) {
            return stream.Take(depth, event, parsed);
        },
        false);
    if (root.is_discarded()) {
        error = path.string() + " is not valid JSON";
        return false;
    }
    IdeState read;
    if (!ReadState(root, stream, read, reason)) {
        error = path.string() + ": " + reason;
        return false;
    }
    state = std::move(read);
    return true;
}

bool WriteIdeStateFile(const std::filesystem::path& path, const IdeState& state,
                       std::string& error) {
    std::error_code failure;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), failure);
    std::string reason;
    if (!WriteFileBytes(path.string(),
                        StateJson(state).dump(2, ' ', false, json::error_handler_t::replace) + "\n",
                        reason)) {
        error = "cannot write " + path.string() + ": " + reason;
        return false;
    }
    return true;
}

}  // namespace workbench
