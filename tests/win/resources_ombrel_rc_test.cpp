// What Windows shows and reads of the program's file: its version resource and
// its manifest.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/ombrel_app.h"
#include "e2e/support/gadget_process.h"

namespace {

// The version resource of a file, read as the file's Properties page reads it.
class VersionInfo {
public:
    explicit VersionInfo(const std::wstring& path) {
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
        data_.resize(size);
        if (size && !GetFileVersionInfoW(path.c_str(), 0, size, data_.data())) data_.clear();
    }
    bool present() const { return !data_.empty(); }
    const VS_FIXEDFILEINFO* fixed() const {
        void* value = nullptr;
        UINT length = 0;
        if (!present() || !VerQueryValueW(data_.data(), L"\\", &value, &length)) return nullptr;
        return static_cast<const VS_FIXEDFILEINFO*>(value);
    }
    // Pairs of language and code page, as the Translation value lists them.
    std::vector<std::pair<WORD, WORD>> translations() const {
        void* value = nullptr;
        UINT length = 0;
        std::vector<std::pair<WORD, WORD>> list;
        if (!present() || !VerQueryValueW(data_.data(), L"\\VarFileInfo\\Translation", &value, &length)) return list;
        auto* words = static_cast<const WORD*>(value);
        for (UINT i = 0; i + 1 < length / sizeof(WORD); i += 2) list.emplace_back(words[i], words[i + 1]);
        return list;
    }
    std::wstring text(const wchar_t* block, const wchar_t* name) const {
        void* value = nullptr;
        UINT length = 0;
        std::wstring path = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + name;
        if (!present() || !VerQueryValueW(data_.data(), path.c_str(), &value, &length) || length == 0) return L"";
        return static_cast<const wchar_t*>(value);
    }

private:
    std::vector<unsigned char> data_;
};

TEST(VersionResource, TheProgramFileCarriesTheVersionCompanyAndDescription) {
    VersionInfo info(e2e::buildFolder() + L"\\ombrel.exe");
    ASSERT_TRUE(info.present());
    const VS_FIXEDFILEINFO* fixed = info.fixed();
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, (7u << 16) | 1u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, (7u << 16) | 1u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    const std::vector<std::pair<WORD, WORD>> expected = {{0x0411, 1200}, {0x0409, 1200}};
    EXPECT_EQ(info.translations(), expected);

    struct Case {
        const wchar_t* block;
        const wchar_t* description;
    } cases[] = {{L"041104B0", L"デスクトップの時計・カレンダー・システムメーター"},
                 {L"040904B0", L"Desktop clock, calendar and system meters"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "block " << std::string(c.block, c.block + 8));
        EXPECT_EQ(info.text(c.block, L"FileDescription"), c.description);
        EXPECT_EQ(info.text(c.block, L"CompanyName"), L"Fenwold");
        EXPECT_EQ(info.text(c.block, L"ProductName"), L"Ombrel");
        EXPECT_EQ(info.text(c.block, L"FileVersion"), L"7.1.0.0");
        EXPECT_EQ(info.text(c.block, L"ProductVersion"), L"7.1.0.0");
        EXPECT_EQ(info.text(c.block, L"OriginalFilename"), L"ombrel.exe");
        // The About box shows the same notice.
        EXPECT_EQ(info.text(c.block, L"LegalCopyright"), theApp.noticeText);
    }
    // And the same version, from the same header.
    EXPECT_EQ(theApp.versionText, L"version 7.1.0");
}

// The manifest as Windows reads it from the program's file.
std::string embeddedManifest(const std::wstring& path) {
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return "";
    std::string text;
    if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST)) {
        HGLOBAL loaded = LoadResource(module, found);
        const char* bytes = static_cast<const char*>(LockResource(loaded));
        if (bytes) text.assign(bytes, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return text;
}

// The part of `text` from `open` to the first `close` after it, or "".
std::string block(const std::string& text, const std::string& open, const std::string& close) {
    size_t begin = text.find(open);
    if (begin == std::string::npos) return "";
    size_t end = text.find(close, begin);
    return end == std::string::npos ? "" : text.substr(begin, end + close.size() - begin);
}

TEST(Manifest, AsksForTheInvokersRightsAndNamesTheSupportedSystems) {
    std::string manifest = embeddedManifest(e2e::buildFolder() + L"\\ombrel.exe");
    ASSERT_FALSE(manifest.empty());
    std::string trust = block(manifest, "<trustInfo", "</trustInfo>");
    EXPECT_NE(trust.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"), std::string::npos)
        << manifest;
    std::string compatibility = block(manifest, "<compatibility", "</compatibility>");
    struct System {
        const char* name;
        const char* id;
    } systems[] = {{"Windows 7", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"},
                   {"Windows 8", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"},
                   {"Windows 8.1", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"},
                   {"Windows 10 and 11", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}};
    for (const System& system : systems)
        EXPECT_NE(compatibility.find(std::string("<supportedOS Id=\"") + system.id + "\"/>"), std::string::npos)
            << system.name;
    // The system DPI awareness stays.
    EXPECT_NE(block(manifest, "<windowsSettings>", "</windowsSettings>").find(">true</dpiAware>"), std::string::npos);
}

}  // namespace
