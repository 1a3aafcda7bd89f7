// The editor access object over the workbench where the golden cases do not reach it: what
// the selected text, the caret line and the inserted line ends are is theirs (reverse-*,
// copy-members-*, copy-paste-members-* under each line end).
#include "editor/editor_document.h"

#include <gtest/gtest.h>

#include "session.h"
#include "support/annotated_text.h"

namespace e2e {
namespace {

editor::EditorDocument Attachable(Session& session) {
    return editor::EditorDocument(session.Bench(), session.Platform(), session.App().FileKinds());
}

// Which documents the commands attach to, and that the text is read as saved up to a NUL, are
// golden cases (commentize-any-text-file-*, friend-member-*, add-breakpoints-*).
TEST(EditorDocumentTest, WithoutADocumentOrItsFileThereIsNothingToRead) {
    Session session;
    bool isText = true;
    EXPECT_FALSE(Attachable(session).Attach(std::nullopt, &isText));
    EXPECT_FALSE(isText);
    const std::string missing = (session.Dir().Path() / "nope.cpp").string();
    EXPECT_FALSE(Attachable(session).Attach(missing, &isText, true));
    session.Open("a.cpp", "int a;\n");
    editor::EditorDocument doc = Attachable(session);
    ASSERT_TRUE(doc.Attach());
    std::filesystem::remove(session.Dir().Path() / "a.cpp");
    EXPECT_EQ(doc.GetText(), "");
}

// The inserted text's line ends become the document's own (golden cases under each line end);
// here its tabs follow the editor's settings counting from 0, wherever the caret stands.
TEST(EditorDocumentTest, InsertReplacesTheSelectionExpandingTabs) {
    Session session;
    const auto annotated = testing_support::ParseAnnotated("a[[bc]]d\n");
    auto document = session.Open("a.cpp", annotated.text);
    session.Bench().SetEditorProperty("TabSize", 2L);
    session.Bench().SetEditorProperty("InsertTabs", false);
    session.Bench().SetSelectionOffsets(document, *annotated.anchor, *annotated.caret);
    editor::EditorDocument doc = Attachable(session);
    ASSERT_TRUE(doc.Attach());
    doc.InsertText("\t1\r\n\t2");
    const auto offsets = session.Bench().SelectionOffsets(document);
    EXPECT_EQ(testing_support::Annotate(*session.Bench().DocumentText(document), offsets->anchor,
                                        offsets->caret),
              "a  1\n  2^d\n");
}

}  // namespace
}  // namespace e2e
