// Where the program looks for libraries: never in the current folder or on PATH,
// from before the first window exists.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "e2e/support/gadget_process.h"

namespace {

constexpr wchar_t PROBE[] = L"ombrel-test-probe.dll";

struct SearchSeen {
    bool loadsByFullPath = false;
    bool foundInCurrentFolder = false;
    bool foundOnPath = false;
};

bool loads(const std::wstring& name) {
    HMODULE module = LoadLibraryW(name.c_str());
    if (module) FreeLibrary(module);
    return module != nullptr;
}

// Plants the probe library in a folder of its own, makes that folder current and
// then puts it on PATH, and tries its bare name each time.
SearchSeen probeLibrarySearch() {
    SearchSeen seen;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"ombrel-library-search-" + std::to_wstring(GetCurrentProcessId());
    std::wstring planted = folder + L"\\" + PROBE;
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW((e2e::buildFolder() + L"\\probe\\" + PROBE).c_str(), planted.c_str(), FALSE);

    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    SetCurrentDirectoryW(folder.c_str());
    seen.foundInCurrentFolder = loads(PROBE);
    SetCurrentDirectoryW(current);

    std::wstring path(32767, L'\0');
    path.resize(GetEnvironmentVariableW(L"PATH", path.data(), static_cast<DWORD>(path.size())));
    SetEnvironmentVariableW(L"PATH", (folder + L";" + path).c_str());
    seen.foundOnPath = loads(PROBE);
    SetEnvironmentVariableW(L"PATH", path.c_str());

    // Last: once loaded by its path, the bare name would find the loaded module.
    seen.loadsByFullPath = loads(planted);
    DeleteFileW(planted.c_str());
    RemoveDirectoryW(folder.c_str());
    return seen;
}

// Taken while this program's own static objects are built: before main, and so
// before any window. The program's start-up code, linked in, has run before it.
const SearchSeen atStart = probeLibrarySearch();

TEST(LibrarySearch, NeitherTheCurrentFolderNorPathIsSearchedFromTheStart) {
    ASSERT_TRUE(atStart.loadsByFullPath) << "the probe library itself does not load";
    EXPECT_FALSE(atStart.foundInCurrentFolder);
    EXPECT_FALSE(atStart.foundOnPath);
}

}  // namespace
