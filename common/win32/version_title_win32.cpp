#include <windows.h>

#include <cstring>
#include <string>

#include "common/version_title.h"
#include "common/win32/win32_dialog_view.h"

namespace {

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
bool queryVersionString(void* block, const std::string& key, std::string& value) {
    void* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block, key.c_str(), &text, &length) || text == nullptr) return false;
    const char* chars = static_cast<const char*>(text);
    value.assign(chars, strnlen(chars, length));
    return true;
}

}  // namespace

bool buildVersionTitle(HWND window, HINSTANCE instance, const char* prefix) {
    char path[MAX_PATH + 1] = {};
    DWORD pathLength = GetModuleFileNameA(instance, path, sizeof path);
    if (pathLength == 0 || pathLength >= sizeof path) return false;

    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return false;
    LockedGlobalBlock block(size);
    if (block.data() == nullptr) return false;
    // A block that cannot be read is treated like a missing one: the caption stays.
    if (!GetFileVersionInfoA(path, 0, size, block.data())) return false;

    const std::string base = prefix != nullptr ? prefix : "";
    std::string name, version;
    bool hasName = queryVersionString(block.data(), base + "ProductName", name);
    bool hasVersion = queryVersionString(block.data(), base + "ProductVersion", version);
    std::string title = composeVersionTitle(hasName ? name.c_str() : nullptr,
                                            hasVersion ? version.c_str() : nullptr);
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()));
    return true;
}

std::string loadResourceString(HINSTANCE instance, UINT id) {
    char buffer[256] = {};
    int n = LoadStringA(instance, id, buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}
