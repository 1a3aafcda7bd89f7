#include "lsp/core_session.h"

#include "posix/options_text.h"
#include "settings/options_sheet.h"
#include "workbench/workbench.h"

namespace lsp {

CoreSession::CoreSession(std::unique_ptr<posix::FileProfileStore> profile,
                         std::optional<std::string> templates, std::ostream& log)
    : profile_(std::move(profile)), platform_(answers_, log, noInput_, false) {
    profile_->KeepChangesInMemory();
    app_.emplace(platform_, *profile_, std::move(templates));
}

std::vector<std::string> CoreSession::Override(const Json& options) {
    std::vector<std::string> problems;
    if (!options.is_object()) {
        if (!options.is_null())
            problems.push_back("the options must be an object of names and values");
        return problems;
    }
    settings::COptionsSheet sheet(app_->Settings(), nullptr);
    for (const auto& [name, value] : options.items()) {
        std::string text;
        if (value.is_string())
            text = value.get<std::string>();
        else if (value.is_boolean())
            text = std::string(1, value.get<bool>() ? '1' : '0');
        else if (value.is_number_integer())
            text = std::to_string(value.get<long long>());
        else {
            problems.push_back("the value of " + name + " must be a string, a number or a boolean");
            continue;
        }
        std::string assignment = name;
        assignment.append("=").append(text);
        if (std::optional<std::string> problem = posix::SetOption(sheet, assignment))
            problems.push_back(*problem);
    }
    sheet.Ok();
    return problems;
}

CommandOutcome CoreSession::Run(
    const Selection& selection, const TextLookup& texts,
    const std::function<void(const commands::CommandContext&)>& command) {
    auto bench = std::make_shared<workbench::Workbench>();
    bench->SetTextSource(texts);
    CommandOutcome outcome;
    std::string error;
    ide::Ref<ide::Document> document = bench->OpenFile(selection.path, error);
    if (!document) {
        outcome.messages.push_back(error);
        return outcome;
    }
    bench->SetSelectionOffsets(document, selection.anchor, selection.caret);
    const std::size_t messagesBefore = platform_.Recorded().messages.size();
    commands::CommandContext context{bench.get(),      platform_,         app_->Settings(),
                                     &app_->Members(), &app_->Registry(), nullptr,
                                     nullptr,          app_.operator->()};
    command(context);

    const auto& messages = platform_.Recorded().messages;
    outcome.messages.assign(messages.begin() + static_cast<std::ptrdiff_t>(messagesBefore),
                            messages.end());
    if (ide::Ref<ide::Document> active = bench->ActiveDocument()) {
        if (std::optional<workbench::Workbench::Offsets> offsets = bench->SelectionOffsets(active))
            outcome.active = Selection{active->FullName(), offsets->anchor, offsets->caret};
    }
    ide::Ref<ide::Documents> documents = bench->GetDocuments();
    for (long i = 1; i <= documents->Count(); ++i) {
        ide::Ref<ide::Document> changed = documents->Item(i);
        if (changed->Saved())
            continue;
        std::optional<std::string> before = texts(changed->FullName());
        std::optional<std::string> after = bench->DocumentText(changed);
        if (before && after)
            outcome.changed.push_back({changed->FullName(), std::move(*before), std::move(*after)});
    }
    return outcome;
}

}  // namespace lsp
