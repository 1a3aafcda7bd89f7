// The editor access object over the workbench: attaching, reading and inserting.
#include "editor/editor_document.h"

#include <gtest/gtest.h>

#include "session.h"
#include "support/annotated_text.h"

namespace e2e {
namespace {

editor::EditorDocument Attachable(Session& session) {
    return editor::EditorDocument(session.Bench(), session.Platform(), session.App().FileKinds());
}

TEST(EditorDocumentTest, AttachesOnlyToATextDocumentInTheActiveWindow) {
    Session session;
    bool isText = true;
    EXPECT_FALSE(Attachable(session).Attach(std::nullopt, &isText));
    EXPECT_FALSE(isText);

    session.Open("src/a.CPP", "int a;\n");
    const std::string notes = session.Open("notes.txt", "x\n")->FullName();
    editor::EditorDocument active = Attachable(session);
    EXPECT_FALSE(active.Attach(std::nullopt, &isText));
    EXPECT_TRUE(isText);
    EXPECT_EQ(active.FullPath(), notes);

    // Open, found by its path in any case, but not in front.
    const auto& dir = session.Dir().Path();
    editor::EditorDocument behind = Attachable(session);
    EXPECT_FALSE(behind.Attach((dir / "src/A.cpp").string(), &isText));
    EXPECT_FALSE(isText);
    EXPECT_EQ(behind.FullPath(), (dir / "src/a.CPP").string());

    // Opening a file that is not open brings it to the front.
    session.Dir().Write("inc/b.h", "int b;\n");
    editor::EditorDocument opened = Attachable(session);
    EXPECT_TRUE(opened.Attach((dir / "inc/b.h").string(), &isText));
    EXPECT_TRUE(opened.IsHeaderFile());
    EXPECT_FALSE(opened.IsSourceFile());

    EXPECT_FALSE(Attachable(session).Attach((dir / "nope.cpp").string(), &isText));
    EXPECT_FALSE(isText);
}

TEST(EditorDocumentTest, TextComesFromDiskCachedUntilReloadWhichSavesFirst) {
    Session session;
    auto document = session.Open("a.cpp", std::string("int a;\r\nint b;\0junk", 19));
    editor::EditorDocument doc = Attachable(session);
    ASSERT_TRUE(doc.Attach());
    EXPECT_EQ(doc.GetText(), "int a;\r\nint b;");

    doc.Selection()->StartOfDocument(false);
    doc.Selection()->Insert("// x\r\n", ide::kInsertKeepEnd);
    EXPECT_EQ(doc.GetText(), "int a;\r\nint b;");
    EXPECT_FALSE(document->Saved());
    EXPECT_EQ(doc.GetText(true), "// x\r\nint a;\r\nint b;");
    EXPECT_TRUE(document->Saved());
    EXPECT_EQ(session.Dir().Read("a.cpp").substr(0, 6), "// x\r\n");

    // An unreadable file gives the empty text.
    std::filesystem::remove(session.Dir().Path() / "a.cpp");
    EXPECT_EQ(doc.GetText(true), "");
}

TEST(EditorDocumentTest, SelectedTextAndCaretLine) {
    Session session;
    auto document = session.Open("a.cpp", "one\ntwo\nthree\n");
    editor::EditorDocument doc = Attachable(session);
    ASSERT_TRUE(doc.Attach());
    session.Bench().SetSelectionOffsets(document, 5, 5);
    EXPECT_EQ(doc.CaretLine(), 1);
    EXPECT_EQ(doc.GetSelectedText(false), "");
    EXPECT_EQ(doc.GetSelectedText(true), "two\n");
    session.Bench().SetSelectionOffsets(document, 9, 4);
    EXPECT_EQ(doc.GetSelectedText(true), "two\nt");
}

TEST(EditorDocumentTest, InsertReplacesTheSelectionInTheDocumentsOwnStyle) {
    struct Case {
        const char* before;
        const char* text;
        std::optional<long> tabSize;  // set with InsertTabs false
        const char* after;
    } cases[] = {
        {"a[[bc]]d\n", "\tX", std::nullopt, "a\tX^d\n"},
        // The inserted text counts its columns from 0, wherever the caret stands.
        {"a^d\n", "\t1\r\n\t2", 2, "a  1\n  2^d\n"},
        {"a^d\r\n", "1\r\n2", std::nullopt, "a1\r\n2^d\r\n"},
    };
    for (const Case& c : cases) {
        Session session;
        const auto annotated = testing_support::ParseAnnotated(c.before);
        auto document = session.Open("a.cpp", annotated.text);
        if (c.tabSize) {
            session.Bench().SetEditorProperty("TabSize", *c.tabSize);
            session.Bench().SetEditorProperty("InsertTabs", false);
        }
        session.Bench().SetSelectionOffsets(document, annotated.anchor.value_or(*annotated.caret),
                                            *annotated.caret);
        editor::EditorDocument doc = Attachable(session);
        ASSERT_TRUE(doc.Attach());
        doc.InsertText(c.text);
        const auto offsets = session.Bench().SelectionOffsets(document);
        EXPECT_EQ(testing_support::Annotate(*session.Bench().DocumentText(document),
                                            offsets->anchor, offsets->caret),
                  c.after)
            << c.before << " + " << c.text;
    }
}

}  // namespace
}  // namespace e2e
