// The one way into <windows.h>. The build defines WIN32_LEAN_AND_MEAN, NOMINMAX
// and _WIN32_WINNT for every file, because mingw-w64's default _WIN32_WINNT is
// lower than the calls we make; including this header instead of <windows.h>
// keeps a stray include from seeing another set of declarations.
#pragma once

#include <windows.h>
