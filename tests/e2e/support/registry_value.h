#pragma once
// Sets a DWORD under HKEY_CURRENT_USER for the life of the object and puts back
// what was there, or removes it.
#include <windows.h>

#include <string>

namespace e2e {

class ScopedRegistryDword {
public:
    ScopedRegistryDword(const wchar_t* key, const wchar_t* name, DWORD value) : key_(key), name_(name) {
        DWORD size = sizeof old_;
        hadOld_ = RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &old_, &size) == ERROR_SUCCESS;
        write(value);
    }
    ~ScopedRegistryDword() {
        if (hadOld_) {
            write(old_);
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, key_.c_str(), name_.c_str());
        }
    }
    ScopedRegistryDword(const ScopedRegistryDword&) = delete;
    ScopedRegistryDword& operator=(const ScopedRegistryDword&) = delete;

private:
    void write(DWORD value) {
        RegSetKeyValueW(HKEY_CURRENT_USER, key_.c_str(), name_.c_str(), REG_DWORD, &value, sizeof value);
    }
    std::wstring key_, name_;
    DWORD old_ = 0;
    bool hadOld_ = false;
};

}  // namespace e2e
