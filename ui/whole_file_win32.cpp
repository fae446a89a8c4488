#include <windows.h>

#include <algorithm>
#include <string>

#include "ui/whole_file.h"

namespace {

// Antivirus, the search indexer or a sync client often hold a file open for a moment just after
// it was written, or while it is about to be replaced.
bool mayPass(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
           error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// True, with ERROR_SHARING_VIOLATION, while another program holds path so that it cannot be
// moved away; asked first, so that ReplaceFileW is not tried in vain (Wine's leaves a file
// behind each time).
bool heldOpen(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(file);
    return false;
}

// Gives temp the name final, trying for about half a second. A file already there is replaced
// so that the new one keeps its attributes (hidden, not indexed...); Windows' ReplaceFileW
// carries them over, Wine's does not, so they are set first.
bool putInPlace(const std::wstring& temp, const std::wstring& final) {
    for (const DWORD start = GetTickCount();; Sleep(20)) {
        const DWORD attributes = GetFileAttributesW(final.c_str());
        const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
        if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
        if (exists) SetFileAttributesW(temp.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
        const bool done =
            exists ? !heldOpen(final) && ReplaceFileW(final.c_str(), temp.c_str(), nullptr,
                                                      REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                   : MoveFileExW(temp.c_str(), final.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (done) return true;
        if (!mayPass(GetLastError()) || GetTickCount() - start >= 500) return false;
    }
}

}  // namespace

// Wide calls throughout: the folder may have any name.
SaveResult saveWholeFile(const std::filesystem::path& target, std::string_view contents) {
    const std::wstring final = target.native();
    std::wstring temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = final + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt) + L".tmp";
        file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (file == INVALID_HANDLE_VALUE) return SaveResult::NotCreated;

    bool written = true;
    for (size_t at = 0; written && at < contents.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(contents.size() - at, 1u << 20));
        DWORD done = 0;
        written = WriteFile(file, contents.data() + at, chunk, &done, nullptr) && done == chunk;
        at += done;
    }
    written = FlushFileBuffers(file) && written;
    written = CloseHandle(file) && written;
    if (!written) {
        DeleteFileW(temp.c_str());
        return SaveResult::NotWritten;
    }
    if (!putInPlace(temp, final)) {
        DeleteFileW(temp.c_str());
        return SaveResult::NotReplaced;
    }
    return SaveResult::Saved;
}
