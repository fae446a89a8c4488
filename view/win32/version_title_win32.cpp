#include <windows.h>

#include <cwchar>
#include <string>

#include "view/version_title.h"
#include "view/win32/win32_dialog_view.h"

namespace {

constexpr size_t kLongestPath = 32768;   // the system's limit for a path, in characters

// A movable global block, locked for as long as the owner lives.
class LockedGlobalBlock {
public:
    explicit LockedGlobalBlock(SIZE_T size)
        : handle_(GlobalAlloc(GMEM_MOVEABLE, size)),
          data_(handle_ != nullptr ? GlobalLock(handle_) : nullptr) {}
    ~LockedGlobalBlock() {
        if (data_ != nullptr) GlobalUnlock(handle_);
        if (handle_ != nullptr) GlobalFree(handle_);
    }
    LockedGlobalBlock(const LockedGlobalBlock&) = delete;
    LockedGlobalBlock& operator=(const LockedGlobalBlock&) = delete;
    void* data() const { return data_; }

private:
    HGLOBAL handle_;
    void* data_;
};

// The value of one string of the version block, or nothing when it has none.
bool queryVersionString(void* block, const std::wstring& key, std::wstring& value) {
    void* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block, key.c_str(), &text, &length) || text == nullptr) return false;
    const wchar_t* chars = static_cast<const wchar_t*>(text);
    value.assign(chars, wcsnlen(chars, length));
    return true;
}

// The program file's full path. Wide, so that a folder whose name the ANSI code page cannot
// spell (a Cyrillic or Chinese user name) is still found.
std::wstring moduleFileName(HINSTANCE instance) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(instance, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= kLongestPath) return {};
        path.resize(path.size() * 2);
    }
}

std::wstring widen(const char* text) {
    if (text == nullptr || *text == '\0') return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

}  // namespace

bool buildVersionTitle(HWND window, HINSTANCE instance, const char* prefix) {
    const std::wstring path = moduleFileName(instance);
    if (path.empty()) return false;

    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return false;
    LockedGlobalBlock block(size);
    if (block.data() == nullptr) return false;
    // A block that cannot be read is treated like a missing one: the caption stays.
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return false;

    const std::wstring base = widen(prefix);
    std::wstring name, version;
    bool hasName = queryVersionString(block.data(), base + L"ProductName", name);
    bool hasVersion = queryVersionString(block.data(), base + L"ProductVersion", version);
    std::wstring title = composeVersionTitle(hasName ? name.c_str() : nullptr,
                                             hasVersion ? version.c_str() : nullptr);
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()));
    return true;
}

std::string loadResourceString(HINSTANCE instance, UINT id) {
    char buffer[256] = {};
    int n = LoadStringA(instance, id, buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}
