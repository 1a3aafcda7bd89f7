// The one object a command edits a document through.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/member_record.h"
#include "editor/ide.h"
#include "sys/platform.h"

namespace editor {

// Which extensions make a file a source or a header; the lists belong to the settings.
struct FileKinds {
    const std::vector<std::string>& source;
    const std::vector<std::string>& header;
};

class SourceDocument {
  public:
    virtual ~SourceDocument() = default;
    virtual bool Save() = 0;

    const std::string& FullPath() const { return fullPath_; }

  protected:
    std::optional<std::string> cachedText_;
    std::string fullPath_;
};

class EditorDocument : public SourceDocument {
  public:
    EditorDocument(ide::Environment& environment, sys::Platform& platform, FileKinds kinds);
    ~EditorDocument() override;
    EditorDocument(const EditorDocument&) = delete;
    EditorDocument& operator=(const EditorDocument&) = delete;

    // Binds to the active document, or to the document with the path (opening it when it is
    // not open or reopen is set). True only for a C/C++/IDL text document in the active
    // window; isText tells whether it is a text document there at all.
    bool Attach(const std::optional<std::string>& path = std::nullopt, bool* isText = nullptr,
                bool reopen = false);

    bool Save() override;
    // The file as saved on disk, up to its first NUL; cached until reload is asked for.
    const std::string& GetText(bool reload = false);

    bool IsSourceFile() const;
    bool IsHeaderFile() const;
    bool IsIdlFile() const;

    // 0-based line of the caret.
    long CaretLine();
    std::string GetSelectedText(bool selectLineIfEmpty);
    void InsertText(const std::string& text);

    // analysis::CollectMembers, told whether this document is a source file.
    void CollectMembers(std::string_view text, std::string_view className, std::string_view access,
                        int line, int count, bool firstOnly, analysis::MemberList& members) const;
    // The declaration that begins on the caret's line and ends on it or the next, read in
    // the class around it; else the first one in the selected text. False when neither.
    bool MemberAtCaret(analysis::MemberRecord& record);
    // analysis::ScanFileMembers over the saved text (saved first when modified).
    void ScanFileMembers(std::vector<std::string>& names, std::vector<std::uint32_t>& lines,
                         bool showClasses);

    const ide::Ref<ide::Document>& Document() const { return document_; }
    const ide::Ref<ide::TextWindow>& TextView() const { return textWindow_; }
    const ide::Ref<ide::Window>& Window() const { return window_; }
    const ide::Ref<ide::TextSelection>& Selection() const { return selection_; }
    ide::Environment& Environment() const { return environment_; }

  private:
    ide::Ref<ide::Document> FindOpenDocument(const std::string& path);
    void Release();

    ide::Environment& environment_;
    sys::Platform& platform_;
    FileKinds kinds_;

    ide::Ref<ide::Document> document_;
    ide::Ref<ide::TextWindow> textWindow_;
    ide::Ref<ide::Window> window_;
    ide::Ref<ide::TextSelection> selection_;
};

}  // namespace editor
