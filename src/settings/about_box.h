// The About box's text with its three links, the version text and the help file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "sys/platform.h"

namespace settings {

inline constexpr const char* kMakerName = "Tarn Software";
inline constexpr const char* kMakerAddress = "https://tarn.example/";
inline constexpr const char* kAuthorName = "Ada Tarn";
inline constexpr const char* kAuthorAddress = "zentrel@tarn.example";
inline constexpr const char* kProductAddress = "https://tarn.example/zentrel2/";
inline constexpr const char* kHelpFileName = "ReadMe.html";
inline constexpr const char* kNoModulePath = "Can't get DLL path.";
// The About dialog's resources: its template, the text control and the cursor over a link.
inline constexpr int kAboutDialog = 207;
inline constexpr int kAboutTextId = 1051;
inline constexpr int kHandCursor = 209;

// "2.7" from file version 2.7.x.x; " (BETA)" follows below 1.0 or when the version block cannot
// be read; "0.0" alone without a version resource; empty, after saying so, without a module path.
std::string GetVersionText(sys::Platform& platform);

// The four lines of the About box, each beginning with a blank, joined by CR LF.
std::string AboutText(std::string_view version);

// The clickable parts of the About text, found by searching it, and where each leads.
class AboutLinkText {
  public:
    struct Range {
        std::ptrdiff_t start = -1, end = -1;  // end excluded; -1 until found
        bool Contains(std::ptrdiff_t index) const {
            return start >= 0 && index >= start && index < end;
        }
    };

    void SetText(std::string_view text);
    const Range& Mail() const { return mail_; }
    const Range& Maker() const { return maker_; }
    const Range& Product() const { return product_; }
    // Whether the hand cursor shows over the character at index.
    bool OverLink(std::ptrdiff_t index) const;
    // The target a click on the character at index opens (mail, product, maker tested in that
    // order); nothing outside the links.
    std::optional<std::string> TargetAt(std::ptrdiff_t index) const;

  private:
    Range mail_, maker_, product_;
};

// Opens the help file beside the module with its default program; says why when it cannot.
void ShowHelp(sys::Platform& platform);

}  // namespace settings
