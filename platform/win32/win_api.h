// <windows.h> without the A/W macros that would rename the core's members of the same name
// (FindText, MessageBox, ...); code here calls the ANSI functions by their own names.
#pragma once

#include <windows.h>

#include <oleauto.h>

#undef AnsiToOem
#undef CopyFile
#undef CreateDirectory
#undef FindFirstFile
#undef FindText
#undef GetEnvironmentVariable
#undef GetObject
#undef MessageBox
#undef SetFileAttributes
