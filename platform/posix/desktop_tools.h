// The desktop's clipboard and opener, reached through the usual programs when a desktop
// session and the program are there.
#pragma once

#include <string>
#include <vector>

namespace posix {

// True when the text reached a clipboard program that took it.
bool PutTextOnDesktopClipboard(const std::string& text);
// The files as a URI list.
bool PutFilesOnDesktopClipboard(const std::vector<std::string>& paths);
// Opens a folder or file with the desktop's opener.
bool OpenWithDesktop(const std::string& path);

// "file://" and the path with every byte outside the unreserved set and '/' as %XX.
std::string FileUri(const std::string& path);

}  // namespace posix
