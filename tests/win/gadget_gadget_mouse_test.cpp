// What the gadget's double click on the meters hands to the shell.
#include <gtest/gtest.h>

#include <string>

#include "framework/shell.h"
#include "gadget/ombrel_dlg.h"
#include "support/app_scope.h"
#include "support/test_image.h"

namespace {

struct ShellCall {
    int count = 0;
    HWND owner = nullptr;
    bool verbGiven = false, parametersGiven = false, directoryGiven = false;
    std::wstring file;
    INT show = -1;
} shellCall;

HINSTANCE WINAPI recordShellCall(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
                                 INT show) {
    shellCall = {shellCall.count + 1, owner, verb != nullptr, parameters != nullptr, directory != nullptr,
                 file ? file : L"",   show};
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

class ProbeGadget : public COmbrelDlg {
public:
    using COmbrelDlg::handleMessage;
};

TEST(GadgetMouse, ADoubleClickOnTheMetersStartsTheTaskManagerOfTheSystemFolder) {
    wintest::AppScope settings(1.0f, 100);
    fw::ShellExecuteFunction realShell = fw::shellExecute;
    fw::shellExecute = recordShellCall;
    shellCall = {};
    ProbeGadget gadget;
    LRESULT result = 0;
    gadget.handleMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(30, 300), result);
    fw::shellExecute = realShell;

    wchar_t system[MAX_PATH] = {};
    std::wstring systemFolder(system, GetSystemDirectoryW(system, MAX_PATH));
    ASSERT_FALSE(systemFolder.empty());
    EXPECT_EQ(shellCall.count, 1);
    EXPECT_EQ(_wcsicmp(shellCall.file.c_str(), (systemFolder + L"\\taskmgr.exe").c_str()), 0) << shellCall.file.c_str();
    EXPECT_NE(GetFileAttributesW(shellCall.file.c_str()), INVALID_FILE_ATTRIBUTES);
    // Otherwise as before: no owner, the default verb, no parameters or folder, shown.
    EXPECT_EQ(shellCall.owner, nullptr);
    EXPECT_FALSE(shellCall.verbGiven);
    EXPECT_FALSE(shellCall.parametersGiven);
    EXPECT_FALSE(shellCall.directoryGiven);
    EXPECT_EQ(shellCall.show, SW_SHOW);
}

}  // namespace
