#include "framework/open_failure.h"

namespace fw {

namespace {

constexpr size_t TEXT_LIMIT = 255;

const wchar_t* failureFormat(OpenFailure failure) {
    switch (failure) {
        case OpenFailure::NotFound: return L"%1 が見つかりませんでした。";
        case OpenFailure::BadPath: return L"%1 に正しくないパスが含まれています。";
        case OpenFailure::AccessDenied: return L"%1 へのアクセスは拒否されました。";
        case OpenFailure::SharingViolation: return L"%1 へのアクセス中に共有違反が発生しました。";
        case OpenFailure::TooManyOpenFiles: return L"開いているファイルが多すぎるため、%1 を開けませんでした。";
        default: return L"%1 へのアクセス中に不明なエラーが発生しました。";
    }
}

}  // namespace

std::wstring openFailureText(OpenFailure failure, const std::wstring& path) {
    std::wstring text = failureFormat(failure);
    text.replace(text.find(L"%1"), 2, path);
    if (text.size() > TEXT_LIMIT) text.resize(TEXT_LIMIT);
    return text;
}

}  // namespace fw
