#include "templates/ask_dialog.h"

namespace templates {

AskDialog::AskDialog(std::string templateName, std::vector<ParameterRequest>& requests,
                     settings::CRegistry* registry)
    : name_(std::move(templateName)), requests_(requests), registry_(registry) {
    fields_.reserve(requests.size());
    for (const ParameterRequest& request : requests)
        fields_.push_back(request.value);
}

std::string AskDialog::Caption() const {
    std::string caption = std::string(kTitle) + " (";
    for (char c : name_) {
        if (c != '.' && c != '&')
            caption += c;
    }
    return caption + ")";
}

int AskDialog::Growth(int rowStep) const {
    return fields_.empty() ? 0 : static_cast<int>(fields_.size() - 1) * rowStep;
}

void AskDialog::Ok() {
    for (std::size_t row = 0; row < fields_.size(); ++row)
        requests_[row].value = fields_[row];
}

void AskDialog::RestorePlacement(settings::RectWindow& window) {
    if (registry_ != nullptr)
        registry_->RestoreWindowRect(settings::kSectionWindows, kPlaceName, window, false);
}

void AskDialog::SavePlacement(const settings::RectWindow& window) {
    if (registry_ != nullptr)
        registry_->SaveWindowRect(settings::kSectionWindows, kPlaceName, window);
}

}  // namespace templates
