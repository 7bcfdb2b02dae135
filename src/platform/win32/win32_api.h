// The Win32 API as this program's Win32 code includes it. <windows.h> turns many names into
// macros for their "A" or "W" form; those that are also method names of the platform interfaces
// would silently rename the methods in some files and not in others. They are removed here;
// Win32 code calls the "A" functions by their full names anyway.
#pragma once

#include <windows.h>

#undef CopyFile
#undef DeleteFile
#undef MapVirtualKey
#undef MoveFile
#undef OpenMutex
#undef PostMessage
#undef ReplaceFile
#undef SendMessage
#undef VkKeyScan
