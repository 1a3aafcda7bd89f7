#include "editor/editor_document.h"

#include <algorithm>

#include "editor/expand_tabs.h"
#include "editor/extension_list.h"

namespace editor {

namespace {
std::string ToLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}
}  // namespace

EditorDocument::EditorDocument(ide::Environment& environment, sys::Platform& platform,
                               FileKinds kinds)
    : environment_(environment), platform_(platform), kinds_(kinds) {}

EditorDocument::~EditorDocument() {
    Release();
}

void EditorDocument::Release() {
    // The reverse order of acquisition, as the IDE's references are counted.
    selection_.reset();
    window_.reset();
    textWindow_.reset();
    document_.reset();
}

ide::Ref<ide::Document> EditorDocument::FindOpenDocument(const std::string& path) {
    ide::Ref<ide::Documents> documents = environment_.GetDocuments();
    if (!documents)
        return nullptr;
    const std::string wanted = ToLower(path);
    const long count = documents->Count();
    for (long i = 1; i <= count; ++i) {
        ide::Ref<ide::Document> document = documents->Item(i);
        if (!document || ToLower(document->FullName()) != wanted)
            continue;
        ide::Ref<ide::Windows> windows = document->GetWindows();
        if (windows && windows->Count() > 0)
            return document;
    }
    return nullptr;
}

bool EditorDocument::Attach(const std::optional<std::string>& path, bool* isText, bool reopen) {
    if (isText != nullptr)
        *isText = false;
    Release();

    ide::Ref<ide::Document> document;
    if (!path) {
        document = environment_.ActiveDocument();
    } else {
        if (!reopen)
            document = FindOpenDocument(*path);
        if (!document) {
            ide::Ref<ide::Documents> documents = environment_.GetDocuments();
            if (documents)
                document = documents->Open(*path, "Auto", false);
        }
    }
    if (!document)
        return false;
    document_ = document;
    fullPath_ = document->FullName();

    if (document->Type() != "Text")
        return false;
    ide::Ref<ide::Window> window = document->ActiveWindow();
    ide::Ref<ide::Window> active = environment_.ActiveWindow();
    if (!window || !active || !window->IsSameObject(*active))
        return false;
    window_ = window;
    ide::Ref<ide::TextWindow> textWindow = window->Object();
    if (!textWindow || window->Type() != ide::kDocumentWindow)
        return false;
    textWindow_ = textWindow;
    ide::Ref<ide::TextSelection> selection = textWindow->Selection();
    if (!selection)
        return false;
    selection_ = selection;

    if (isText != nullptr)
        *isText = true;
    return IsSourceFile() || IsHeaderFile() || IsIdlFile();
}

bool EditorDocument::Save() {
    if (!document_)
        return false;
    if (document_->Saved())
        return true;
    return document_->Save(fullPath_) == ide::kSaveSucceeded;
}

const std::string& EditorDocument::GetText(bool reload) {
    if (reload || !cachedText_) {
        Save();
        std::string text = platform_.ReadFile(fullPath_).value_or(std::string());
        const std::size_t nul = text.find('\0');
        if (nul != std::string::npos)
            text.resize(nul);
        cachedText_ = std::move(text);
    }
    return *cachedText_;
}

bool EditorDocument::IsSourceFile() const {
    return MatchesExtensionList(fullPath_, kinds_.source);
}
bool EditorDocument::IsHeaderFile() const {
    return MatchesExtensionList(fullPath_, kinds_.header);
}
bool EditorDocument::IsIdlFile() const {
    return MatchesExtensionList(fullPath_, IdlExtensions());
}

long EditorDocument::CaretLine() {
    return selection_ ? selection_->CurrentLine() - 1 : -1;
}

std::string EditorDocument::GetSelectedText(bool selectLineIfEmpty) {
    if (!selection_)
        return {};
    std::string text = selection_->Text();
    if (text.empty() && selectLineIfEmpty) {
        selection_->SelectLine();
        text = selection_->Text();
    }
    return text;
}

void EditorDocument::InsertText(const std::string& text) {
    if (!selection_)
        return;
    const std::string expanded = ExpandTabs(environment_, text);
    if (!selection_->IsEmpty())
        selection_->Delete(1);
    selection_->Insert(expanded, ide::kInsertKeepEnd);
}

}  // namespace editor
