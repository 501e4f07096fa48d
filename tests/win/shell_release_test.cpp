// What Windows shows of the program's file (its version resource), and the
// priority the test programs run at.
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

// The gadget raises itself to high priority; a test program that links the same
// application object must not, or its busy loops starve the rest of the run.
TEST(Priority, TheTestProgramRunsAtNormalPriority) {
    EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
}

}  // namespace
