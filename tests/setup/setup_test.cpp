// The per-user installer end to end, as a user meets it: run-in-fresh-prefix starts
// this program in a Wine prefix of its own, with OMBREL_SETUP naming setup.exe. The
// cases run in this order and the first one expects a prefix where nothing was ever
// installed; each later one brings the install to the state it needs first.
#include <gtest/gtest.h>
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "support/gadget_process.h"

namespace e2e {
namespace {

constexpr wchar_t UNINSTALL_KEY[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ombrel";
constexpr wchar_t SETTINGS_KEY[] = L"Software\\Fenwold\\ombrel";
constexpr wchar_t GADGET_TITLE[] = L"OmbrelMainWindow3";
// The installer's exit code when it refuses because the gadget runs.
constexpr DWORD REFUSED = 2;
const std::wstring VERSION = L"" OMBREL_VERSION;

std::wstring knownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    SHGetKnownFolderPath(id, 0, nullptr, &path);
    std::wstring result = path ? path : L"";
    CoTaskMemFree(path);
    return result;
}

std::wstring installFolder() { return knownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Ombrel"; }
std::wstring startMenuShortcut() { return knownFolder(FOLDERID_Programs) + L"\\Ombrel.lnk"; }
std::wstring startupShortcut() { return knownFolder(FOLDERID_Startup) + L"\\Ombrel.lnk"; }
std::wstring installed(const wchar_t* name) { return installFolder() + L"\\" + name; }

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::optional<std::string> readFile(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Whether a file holds exactly these bytes; a failure names the file, not its bytes.
testing::AssertionResult holds(const std::wstring& path, const std::string& bytes) {
    std::optional<std::string> content = readFile(path);
    if (content == bytes) return testing::AssertionSuccess();
    return testing::AssertionFailure() << testing::PrintToString(path)
                                       << (content ? " holds other bytes" : " cannot be read");
}

void writeFile(const std::wstring& path, const std::string& bytes) {
    std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc) << bytes;
}

// The names in a folder, sorted, without "." and "..".
std::vector<std::wstring> folderNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// The config.txt that this build ships: the installer carries the same bytes.
std::string shippedConfig() { return readFile(buildFolder() + L"\\config.txt").value_or(""); }

bool keyExists(const wchar_t* key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

std::optional<std::wstring> registryString(const wchar_t* key, const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

void setRegistryString(const wchar_t* key, const wchar_t* name, const std::wstring& value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::optional<DWORD> setting(const wchar_t* name) {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, (std::wstring(SETTINGS_KEY) + L"\\Settings").c_str(), name, RRF_RT_REG_DWORD,
                     nullptr, &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void setSetting(const wchar_t* name, DWORD value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, (std::wstring(SETTINGS_KEY) + L"\\Settings").c_str(), name, REG_DWORD, &value,
                    sizeof value);
}

// What a shortcut points at, read through the shell as Explorer reads it.
std::wstring shortcutTarget(const std::wstring& path) {
    std::wstring target;
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t buffer[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(path.c_str(), STGM_READ)) &&
            SUCCEEDED(link->GetPath(buffer, MAX_PATH, nullptr, SLGP_RAWPATH)))
            target = buffer;
        file->Release();
    }
    link->Release();
    return target;
}

bool samePath(const std::wstring& a, const std::wstring& b) { return _wcsicmp(a.c_str(), b.c_str()) == 0; }

// Runs a program to its end; its exit code, or STILL_ACTIVE when it takes too long.
DWORD run(const std::wstring& program, const std::wstring& arguments, DWORD milliseconds = 60000) {
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return static_cast<DWORD>(-1);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(info.hProcess, milliseconds) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return code;
}

std::wstring setupProgram() {
    wchar_t path[MAX_PATH] = {};
    GetEnvironmentVariableW(L"OMBREL_SETUP", path, MAX_PATH);
    return path;
}

DWORD silentInstall() { return run(setupProgram(), L"/S"); }

// The uninstaller as its entry starts it would copy itself to the temporary folder,
// start that copy and return at once. Doing that copy here, with "_?=" naming the
// install folder, runs the same uninstall to its end and gives its exit code.
DWORD silentUninstall() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring copy = std::wstring(temp) + L"ombrel-uninstall-under-test.exe";
    if (!CopyFileW(installed(L"uninstall.exe").c_str(), copy.c_str(), FALSE)) return static_cast<DWORD>(-1);
    DWORD code = run(copy, L"/S _?=" + installFolder());
    DeleteFileW(copy.c_str());
    return code;
}

// Whatever an earlier case left, then a plain install from this setup.exe.
void installAfresh() {
    if (exists(installed(L"uninstall.exe"))) {
        ASSERT_EQ(silentUninstall(), 0u);
    }
    DeleteFileW(installed(L"config.txt").c_str());
    RemoveDirectoryW(installFolder().c_str());
    ASSERT_FALSE(exists(installFolder()));
    ASSERT_EQ(silentInstall(), 0u);
}

// The installed gadget, started from its Start-menu shortcut as a user would.
class InstalledGadget {
public:
    bool start() {
        SHELLEXECUTEINFOW execute{};
        execute.cbSize = sizeof execute;
        execute.fMask = SEE_MASK_NOCLOSEPROCESS;
        std::wstring shortcut = startMenuShortcut();
        execute.lpFile = shortcut.c_str();
        execute.nShow = SW_SHOWNORMAL;
        if (!ShellExecuteExW(&execute)) return false;
        process_ = execute.hProcess;
        waitUntil([&] { return (window_ = FindWindowW(nullptr, GADGET_TITLE)) != nullptr; }, 10000);
        if (!window_) return false;
        GetWindowThreadProcessId(window_, &processId_);
        if (!process_) process_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId_);
        WaitForInputIdle(process_, 5000);
        Sleep(300);  // the first paint follows the window by a few hundred ms under Wine
        return true;
    }
    ~InstalledGadget() { stop(); }
    // Ends it as a log-off would.
    void stop() {
        if (!process_) return;
        if (running() && window_) SendMessageTimeoutW(window_, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
        if (WaitForSingleObject(process_, 5000) != WAIT_OBJECT_0) TerminateProcess(process_, 1);
        CloseHandle(process_);
        process_ = nullptr;
    }
    bool running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
    DWORD processId() const { return processId_; }
    HWND window() const { return window_; }
    std::wstring imagePath() const {
        wchar_t path[MAX_PATH] = {};
        DWORD size = MAX_PATH;
        QueryFullProcessImageNameW(process_, 0, path, &size);
        return path;
    }

private:
    HANDLE process_ = nullptr;
    HWND window_ = nullptr;
    DWORD processId_ = 0;
};

class Setup : public testing::Test {
protected:
    static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    static void TearDownTestSuite() { CoUninitialize(); }
    void SetUp() override { ASSERT_TRUE(exists(setupProgram())) << "OMBREL_SETUP names no setup.exe"; }
};

TEST_F(Setup, ASilentInstallIntoAFreshPrefixPutsFilesShortcutsAndTheUninstallEntry) {
    ASSERT_FALSE(exists(installFolder())) << "not a fresh prefix";
    ASSERT_FALSE(keyExists(UNINSTALL_KEY)) << "not a fresh prefix";

    ASSERT_EQ(silentInstall(), 0u);

    for (const wchar_t* name : {L"ombrel.exe", L"config.txt", L"ombrel-holidays.exe", L"README.txt", L"uninstall.exe"})
        EXPECT_TRUE(exists(installed(name))) << "missing " << testing::PrintToString(std::wstring(name));
    EXPECT_TRUE(holds(installed(L"ombrel.exe"), readFile(buildFolder() + L"\\ombrel.exe").value_or("")));
    EXPECT_TRUE(holds(installed(L"config.txt"), shippedConfig()));
    EXPECT_FALSE(exists(installed(L"config.txt.new")));
    // Both shortcuts, on by default, start the installed program.
    EXPECT_TRUE(samePath(shortcutTarget(startMenuShortcut()), installed(L"ombrel.exe")))
        << testing::PrintToString(shortcutTarget(startMenuShortcut()));
    EXPECT_TRUE(samePath(shortcutTarget(startupShortcut()), installed(L"ombrel.exe")))
        << testing::PrintToString(shortcutTarget(startupShortcut()));

    EXPECT_EQ(registryString(UNINSTALL_KEY, L"DisplayName"), L"Ombrel");
    EXPECT_EQ(registryString(UNINSTALL_KEY, L"DisplayVersion"), VERSION);
    EXPECT_EQ(registryString(UNINSTALL_KEY, L"Publisher"), L"Fenwold");
    EXPECT_TRUE(samePath(registryString(UNINSTALL_KEY, L"InstallLocation").value_or(L""), installFolder()));
    EXPECT_TRUE(samePath(registryString(UNINSTALL_KEY, L"UninstallString").value_or(L""),
                         L"\"" + installed(L"uninstall.exe") + L"\""));
    // The settings are the gadget's own: an install writes none.
    EXPECT_FALSE(keyExists(SETTINGS_KEY));
}

TEST_F(Setup, TheInstalledProgramStartsFromItsShortcutAndShowsItsWindowWithNoMessage) {
    if (!exists(installed(L"ombrel.exe"))) {
        ASSERT_NO_FATAL_FAILURE(installAfresh());
    }
    InstalledGadget gadget;
    ASSERT_TRUE(gadget.start());
    EXPECT_TRUE(samePath(gadget.imagePath(), installed(L"ombrel.exe"))) << testing::PrintToString(gadget.imagePath());
    EXPECT_TRUE(IsWindowVisible(gadget.window()));
    // A config.txt that does not load would show a message box beside the gadget.
    EXPECT_EQ(countTopLevelWindows(gadget.processId(), gadget.window()), 0);
    EXPECT_TRUE(gadget.running());
}

// What an upgrade does with config.txt, from what the folder holds before it.
struct ConfigCase {
    const char* name;
    std::string installedConfig;
    std::optional<std::string> recordedShipped;  // what the earlier install shipped
    bool kept;
};

TEST_F(Setup, AnUpgradeKeepsAnEditedConfigAndReplacesAnUneditedOne) {
    const std::string shipped = shippedConfig();
    ASSERT_GT(shipped.size(), 100u);
    const std::string older = "# an earlier version's config.txt\r\n" + shipped;
    std::string sameSizeEdit = shipped;
    sameSizeEdit[sameSizeEdit.size() / 2] ^= 0x01;
    const ConfigCase cases[] = {
        {"edited", shipped + "# my own line\r\n", shipped, true},
        {"edited, same size", sameSizeEdit, shipped, true},
        {"unedited, from an earlier version", older, older, false},
        {"no record of what shipped", older, std::nullopt, true},
    };
    for (const ConfigCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(installAfresh());
        writeFile(installed(L"config.txt"), c.installedConfig);
        if (c.recordedShipped)
            writeFile(installed(L"config.txt.shipped"), *c.recordedShipped);
        else
            DeleteFileW(installed(L"config.txt.shipped").c_str());
        writeFile(installed(L"config.txt.new"), "left by an earlier upgrade");
        setSetting(L"ColorSelect", 3);
        setSetting(L"MainLeft", 17);

        ASSERT_EQ(silentInstall(), 0u);

        if (c.kept) {
            EXPECT_TRUE(holds(installed(L"config.txt"), c.installedConfig));
            EXPECT_TRUE(holds(installed(L"config.txt.new"), shipped));
        } else {
            EXPECT_TRUE(holds(installed(L"config.txt"), shipped));
            EXPECT_FALSE(exists(installed(L"config.txt.new")));
        }
        EXPECT_EQ(setting(L"ColorSelect"), 3u);
        EXPECT_EQ(setting(L"MainLeft"), 17u);
    }
    // A kept file stays edited at the next upgrade too.
    writeFile(installed(L"config.txt"), shipped + "# still mine\r\n");
    ASSERT_EQ(silentInstall(), 0u);
    EXPECT_TRUE(holds(installed(L"config.txt"), shipped + "# still mine\r\n"));
}

TEST_F(Setup, AnUpgradeKeepsTheChoiceNotToStartAtSignIn) {
    ASSERT_NO_FATAL_FAILURE(installAfresh());
    ASSERT_TRUE(DeleteFileW(startupShortcut().c_str()));
    ASSERT_EQ(silentInstall(), 0u);
    EXPECT_FALSE(exists(startupShortcut()));
    EXPECT_TRUE(exists(startMenuShortcut()));
}

// A started setup.exe that a test clicks through.
class InteractiveSetup {
public:
    InteractiveSetup() {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring program = setupProgram(), commandLine = L"\"" + program + L"\"";
        CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &info_);
    }
    // The setup's work is done or not begun when a test ends it.
    ~InteractiveSetup() {
        if (!info_.hProcess) return;
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    DWORD processId() const { return info_.dwProcessId; }
    bool running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
    // The wizard's window, once it shows a page: it has a Next button, which a
    // message box of the setup has not.
    HWND waitForWizard() const {
        HWND wizard = nullptr;
        auto shown = [&] { return (wizard = otherWindow(info_.dwProcessId, nullptr)) && GetDlgItem(wizard, IDOK); };
        return waitUntil(shown, 10000) ? wizard : nullptr;
    }

private:
    PROCESS_INFORMATION info_{};
};

// Every text the window and its controls show, one after the other.
std::wstring textsOf(HWND window) {
    std::wstring texts;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            wchar_t text[1024] = {};
            if (IsWindowVisible(child)) GetWindowTextW(child, text, 1024);
            *reinterpret_cast<std::wstring*>(param) += std::wstring(text) + L"\n";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

// Only the last page has a check box: "Run Ombrel".
bool hasCheckBox(HWND window) {
    bool found = false;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            wchar_t className[16] = {};
            GetClassNameW(child, className, 16);
            LONG type = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
            if (IsWindowVisible(child) && _wcsicmp(className, L"Button") == 0 &&
                (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX))
                *reinterpret_cast<bool*>(param) = true;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

TEST_F(Setup, AnUpgradeOverAnEditedConfigSaysOnItsLastPageWhereTheNewFileIs) {
    ASSERT_NO_FATAL_FAILURE(installAfresh());
    const std::string edited = shippedConfig() + "# my own line\r\n";
    writeFile(installed(L"config.txt"), edited);
    InteractiveSetup setup;
    HWND wizard = setup.waitForWizard();
    ASSERT_NE(wizard, nullptr);
    // Next on the welcome page, Install on the options page; the last page follows.
    SendMessageW(wizard, WM_COMMAND, IDOK, 0);
    SendMessageW(wizard, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(waitUntil([&] { return hasCheckBox(wizard); }, 20000)) << "no last page with its Run box";
    std::wstring texts = textsOf(wizard);
    EXPECT_NE(texts.find(L"config.txt.new"), std::wstring::npos) << testing::PrintToString(texts);
    EXPECT_NE(texts.find(installFolder()), std::wstring::npos) << testing::PrintToString(texts);
    EXPECT_TRUE(holds(installed(L"config.txt"), edited));
    EXPECT_TRUE(holds(installed(L"config.txt.new"), shippedConfig()));
}

// The parts of an install that a run of setup.exe or uninstall.exe would change,
// after a case has set some of them apart from what setup.exe writes.
struct InstallState {
    std::vector<std::wstring> files;
    std::optional<std::string> readMe, config;
    bool startMenu, startup;
    std::optional<std::wstring> version;
    bool operator==(const InstallState&) const = default;
};

InstallState installState() {
    return {folderNames(installFolder()),       readFile(installed(L"README.txt")),
            readFile(installed(L"config.txt")), exists(startMenuShortcut()),
            exists(startupShortcut()),          registryString(UNINSTALL_KEY, L"DisplayVersion")};
}

TEST_F(Setup, WhileTheGadgetRunsAnUpgradeChangesNothingAndFails) {
    ASSERT_NO_FATAL_FAILURE(installAfresh());
    // Make the install look older, so that an install would show.
    writeFile(installed(L"README.txt"), "an earlier version's read-me");
    ASSERT_TRUE(DeleteFileW(installed(L"ombrel-holidays.exe").c_str()));
    setRegistryString(UNINSTALL_KEY, L"DisplayVersion", L"7.0.0");
    {
        InstalledGadget gadget;
        ASSERT_TRUE(gadget.start());
        InstallState before = installState();

        EXPECT_EQ(silentInstall(), REFUSED);

        EXPECT_TRUE(installState() == before) << "the refused install changed the install";
        EXPECT_TRUE(gadget.running()) << "the installer must not end the gadget";
        EXPECT_EQ(countTopLevelWindows(gadget.processId(), gadget.window()), 0);
    }
    // Once it is closed the same command installs.
    ASSERT_EQ(silentInstall(), 0u);
    EXPECT_EQ(registryString(UNINSTALL_KEY, L"DisplayVersion"), VERSION);
    EXPECT_TRUE(exists(installed(L"ombrel-holidays.exe")));
    EXPECT_TRUE(exists(installed(L"README.txt")));
    EXPECT_FALSE(holds(installed(L"README.txt"), "an earlier version's read-me"));
}

TEST_F(Setup, WhileTheInstalledGadgetRunsTheUninstallerRefuses) {
    ASSERT_NO_FATAL_FAILURE(installAfresh());
    InstalledGadget gadget;
    ASSERT_TRUE(gadget.start());
    InstallState before = installState();

    EXPECT_EQ(silentUninstall(), REFUSED);

    EXPECT_TRUE(installState() == before) << "the refused uninstall changed the install";
    EXPECT_TRUE(keyExists(UNINSTALL_KEY));
    EXPECT_TRUE(gadget.running()) << "the uninstaller must not end the gadget";
}

TEST_F(Setup, ASilentUninstallLeavesNothingButAnEditedConfig) {
    const std::string edited = shippedConfig() + "# my own line\r\n";
    for (bool edit : {false, true}) {
        SCOPED_TRACE(edit ? "edited config.txt" : "unedited config.txt");
        ASSERT_NO_FATAL_FAILURE(installAfresh());
        // What an upgrade over an edited file leaves, and settings as the gadget writes them.
        if (edit) {
            writeFile(installed(L"config.txt"), edited);
            ASSERT_EQ(silentInstall(), 0u);
            ASSERT_TRUE(exists(installed(L"config.txt.new")));
        }
        setSetting(L"ColorSelect", 2);

        ASSERT_EQ(silentUninstall(), 0u);

        if (edit) {
            EXPECT_EQ(folderNames(installFolder()), std::vector<std::wstring>{L"config.txt"});
            EXPECT_TRUE(holds(installed(L"config.txt"), edited));
        } else {
            EXPECT_FALSE(exists(installFolder()));
        }
        EXPECT_FALSE(exists(startMenuShortcut()));
        EXPECT_FALSE(exists(startupShortcut()));
        EXPECT_FALSE(keyExists(UNINSTALL_KEY));
        EXPECT_FALSE(keyExists(SETTINGS_KEY));
        EXPECT_FALSE(keyExists(L"Software\\Fenwold"));
    }
}

// Run twice by run-in-fresh-prefix: with the prefix's English and with Japanese.
TEST_F(Setup, TheInstallerAsksInTheSystemLanguageToCloseTheGadgetAndGoesOnAfterRetry) {
    const bool japanese = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
    GadgetProcess gadget;  // any running gadget counts, wherever it was started from
    ASSERT_TRUE(gadget.start());
    InteractiveSetup setup;

    MessageBoxSeen box = waitForMessageBox(setup.processId(), 10000);
    ASSERT_NE(box.window, nullptr);
    const std::wstring english = L"Close Ombrel", japaneseText = L"Ombrel を終了してから";
    EXPECT_NE(box.text.find(japanese ? japaneseText : english), std::wstring::npos) << testing::PrintToString(box.text);
    EXPECT_EQ(box.text.find(japanese ? english : japaneseText), std::wstring::npos);

    // Retry while the gadget still runs asks again; once it is closed the pages follow.
    PostMessageW(box.window, WM_COMMAND, IDRETRY, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(box.window); }));
    MessageBoxSeen again = waitForMessageBox(setup.processId(), 10000);
    ASSERT_NE(again.window, nullptr);
    gadget.endSession();
    ASSERT_TRUE(gadget.waitForExit(5000));
    PostMessageW(again.window, WM_COMMAND, IDRETRY, 0);
    EXPECT_NE(setup.waitForWizard(), nullptr);
    EXPECT_TRUE(setup.running());
}

}  // namespace
}  // namespace e2e
