#include "templates/ask_dialog.h"

#include <gtest/gtest.h>

namespace templates {
namespace {

TEST(AskDialogTest, RowsCaptionAndAnswers) {
    std::vector<ParameterRequest> requests = {
        {"Index", "i", {}}, {"Count", "n", {}}, {"Step", "", {}}};
    AskDialog dialog("&For loop, v1.2", requests);
    EXPECT_EQ(dialog.Caption(), "Code Template Parameters (For loop, v12)");
    ASSERT_EQ(dialog.Rows(), 3u);
    EXPECT_EQ(dialog.LabelText(1), "Count:");
    EXPECT_EQ(dialog.FieldText(1), "n");
    EXPECT_EQ((std::vector{dialog.FieldId(0), dialog.FieldId(1), dialog.FieldId(2)}),
              (std::vector{102, 104, 106}));
    EXPECT_EQ(dialog.LabelId(2), 105);
    EXPECT_EQ(AskDialog::FocusId(), 102);

    const AskDialog::Box field{96, 2, 224, 14};
    const int step = AskDialog::RowStep(field);
    EXPECT_EQ(step, 14);
    EXPECT_EQ(AskDialog::RowBox(field, 2, step), (AskDialog::Box{96, 30, 224, 42}));
    EXPECT_EQ(dialog.Growth(step), 28);

    dialog.SetFieldText(1, "10");
    dialog.Cancel();
    EXPECT_EQ(requests[1].value, "n");
    dialog.Ok();
    EXPECT_EQ(requests[1].value, "10");
    EXPECT_EQ(requests[0].value, "i");
}

}  // namespace
}  // namespace templates
