// A text document opened from a file: its bytes as read, its one window and its selection.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "editor/ide.h"
#include "workbench/document_text.h"
#include "workbench/document_window.h"
#include "workbench/editor_context.h"
#include "workbench/file_io.h"
#include "workbench/selection.h"

namespace workbench {

class TextDocument : public ide::Document {
  public:
    // `path` is already normalized; the language follows its extension.
    TextDocument(std::string path, std::string bytes, std::shared_ptr<const EditorContext> context);
    // Over a text already read and indexed, which the document takes over; `stamp` is the
    // file's when the text was read.
    TextDocument(std::string path, std::shared_ptr<DocumentText> text,
                 std::shared_ptr<const EditorContext> context,
                 std::optional<FileStamp> stamp = std::nullopt);

    std::string FullName() override { return path_; }
    std::string Type() override { return "Text"; }
    ide::Ref<ide::Window> ActiveWindow() override { return window_; }
    ide::Ref<ide::Windows> GetWindows() override { return windows_; }
    bool Saved() override { return !text_->Modified(); }
    // Writes the text under the name (its own file when empty). Only writing its own file
    // makes the document saved again.
    long Save(const std::string& fileName) override;
    std::string Language() override { return language_; }
    bool SetLanguage(const std::string& language) override;

    const std::string& Path() const { return path_; }
    const DocumentText& Content() const { return *text_; }
    const std::shared_ptr<DocumentText>& SharedContent() const { return text_; }
    // The file's stamp when its text was read; nothing for a text given otherwise.
    const std::optional<FileStamp>& ReadStamp() const { return stamp_; }
    workbench::Selection& Cursor() const { return *selection_; }
    // Save under its own name, with the reason when writing fails.
    bool SaveInPlace(std::string& reason);

  private:
    std::string path_;
    std::string language_;
    std::shared_ptr<DocumentText> text_;
    std::shared_ptr<workbench::Selection> selection_;
    std::shared_ptr<DocumentWindow> window_;
    std::shared_ptr<SingleWindow> windows_;
    std::optional<FileStamp> stamp_;
};

// "C/C++" for the C, C++ and IDL extensions, else "Plain Text".
std::string LanguageForPath(const std::string& path);

}  // namespace workbench
