#pragma once
// The shell's ShellExecuteW, called through a pointer that a test replaces to
// see what would be started, or to make it fail, without starting anything.
#include <windows.h>

namespace fw {

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                                LPCWSTR directory, INT show);
extern ShellExecuteFunction shellExecute;

}  // namespace fw
