#pragma once

// The Windows headers, minus the macros that would rename this program's own identifiers:
// the colour helpers of gfx/color.h and methods of the seams (Canvas::DrawText,
// AccountApi::LookupAccountSid, ...). Platform code calls the wide functions by their W names.
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#undef RGB
#undef GetRValue
#undef GetGValue
#undef GetBValue
#undef DrawText
#undef GetTextMetrics
#undef TextOut
#undef LookupAccountSid
#undef GetObject
#undef CreateWindow
#undef SetCursor
#undef LoadImage
