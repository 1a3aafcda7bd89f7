// Reading the settings record from the profile and writing it back, all in "Options".
#pragma once

#include "settings/registry.h"
#include "settings/settings.h"

namespace settings {

inline constexpr char kValueSourceExtensions[] = "Extensions Source";
inline constexpr char kValueHeaderExtensions[] = "Extensions Header";
inline constexpr char kValueFriendFileDirectories[] = "Friend File Directories";
inline constexpr char kValueTemplateAuthor[] = "Code Templates Author";
inline constexpr char kValueAddBookmarks[] = "Add Bookmarks";
inline constexpr char kValuePasteDefaultParameters[] = "Paste Default Parameters";
inline constexpr char kValuePastePrefixes[] = "Paste Prefixes";
inline constexpr char kValuePasteComment[] = "Paste Comment";
inline constexpr char kValuePasteSpace[] = "Paste Space";
inline constexpr char kValueCommentizeStyle[] = "Commentize Style";
inline constexpr char kValueBrowseShowsClasses[] = "Browse Shows Classes";

// Missing values take their defaults; present ones are used as stored, without range
// checks, and a list stored empty stays empty.
void LoadSettings(CRegistry& registry, Settings& settings);
// Write failures are ignored: the record stays the truth for this session. Given `loaded`,
// what the record held when read, only the values that differ from it are written.
void SaveSettings(CRegistry& registry, const Settings& settings, const Settings* loaded = nullptr);

}  // namespace settings
