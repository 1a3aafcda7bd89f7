// The parameter dialog: one row of a label and a field per value a template asks for, laid
// out from two pattern controls of the resource.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "settings/registry.h"
#include "templates/parameter_requests.h"

namespace templates {

class AskDialog {
  public:
    static constexpr int kResourceId = 220;
    static constexpr const char* kTitle = "Code Template Parameters";
    // Where the settings keep the dialog's place (section "Windows").
    static constexpr const char* kPlaceName = "Code Template Parameters";
    static constexpr int kOkId = 1;
    static constexpr int kCancelId = 2;
    static constexpr int kPatternLabelId = 204;
    static constexpr int kPatternFieldId = 1073;

    struct Box {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;

        int Height() const { return bottom - top; }
        Box Down(int by) const { return {left, top + by, right, bottom + by}; }
        bool operator==(const Box&) const = default;
    };

    // The requests are the caller's; OK writes the answers into them. The registry keeps the
    // dialog's place; without one it opens where the system puts it.
    AskDialog(std::string templateName, std::vector<ParameterRequest>& requests,
              settings::CRegistry* registry = nullptr);

    // The title, a blank and the template's name without '.' and '&' in parentheses.
    std::string Caption() const;

    std::size_t Rows() const { return fields_.size(); }
    const std::string& Prompt(std::size_t row) const { return requests_[row].prompt; }
    std::string LabelText(std::size_t row) const { return Prompt(row) + ":"; }
    static int LabelId(std::size_t row) { return 101 + 2 * static_cast<int>(row); }
    static int FieldId(std::size_t row) { return 102 + 2 * static_cast<int>(row); }
    // The field the dialog focuses (its text all selected) on opening.
    static int FocusId() { return FieldId(0); }

    // From the pattern field: a field's height and 2 pixels.
    static int RowStep(const Box& patternField) { return patternField.Height() + 2; }
    static Box RowBox(const Box& pattern, std::size_t row, int rowStep) {
        return pattern.Down(static_cast<int>(row) * rowStep);
    }
    // How much taller the dialog grows, and how far its buttons move down.
    int Growth(int rowStep) const;

    const std::string& FieldText(std::size_t row) const { return fields_[row]; }
    void SetFieldText(std::size_t row, std::string text) { fields_[row] = std::move(text); }

    // Copies every field into its request's value.
    void Ok();
    // Leaves the requests alone.
    void Cancel() {}

    void RestorePlacement(settings::RectWindow& window);
    void SavePlacement(const settings::RectWindow& window);

  private:
    std::string name_;
    std::vector<ParameterRequest>& requests_;
    settings::CRegistry* registry_;
    std::vector<std::string> fields_;
};

}  // namespace templates
