#include "workbench/text_document.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

#include "workbench/file_io.h"

namespace workbench {

std::string LanguageForPath(const std::string& path) {
    static constexpr std::array<std::string_view, 9> kCpp = {"c",   "cpp", "cc",  "cxx", "h",
                                                             "hpp", "hxx", "inl", "idl"};
    std::string extension = std::filesystem::path(path).extension().string();
    if (!extension.empty())
        extension.erase(0, 1);
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    bool cpp = std::find(kCpp.begin(), kCpp.end(), extension) != kCpp.end();
    return cpp ? "C/C++" : "Plain Text";
}

TextDocument::TextDocument(std::string path, std::string bytes,
                           std::shared_ptr<const EditorContext> context)
    : TextDocument(std::move(path), std::make_shared<DocumentText>(std::move(bytes)),
                   std::move(context)) {}

TextDocument::TextDocument(std::string path, std::shared_ptr<DocumentText> text,
                           std::shared_ptr<const EditorContext> context,
                           std::optional<FileStamp> stamp)
    : path_(std::move(path)),
      language_(LanguageForPath(path_)),
      text_(std::move(text)),
      selection_(std::make_shared<workbench::Selection>(text_, std::move(context))),
      window_(std::make_shared<DocumentWindow>(selection_)),
      windows_(std::make_shared<SingleWindow>()),
      stamp_(stamp) {}

long TextDocument::Save(const std::string& fileName) {
    std::string target = fileName.empty() ? path_ : NormalizePath(fileName);
    std::string reason;
    if (target == path_)
        return SaveInPlace(reason) ? ide::kSaveSucceeded : 0;
    return WriteFileBytes(target, text_->Buffer().Bytes(), reason) ? ide::kSaveSucceeded : 0;
}

bool TextDocument::SaveInPlace(std::string& reason) {
    if (!WriteFileBytes(path_, text_->Buffer().Bytes(), reason))
        return false;
    text_->MarkSaved();
    return true;
}

bool TextDocument::SetLanguage(const std::string& language) {
    if (language.empty())
        return false;
    language_ = language;
    return true;
}

}  // namespace workbench
