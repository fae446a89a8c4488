#include <windows.h>

#include <algorithm>
#include <string>

#include "ui/whole_file.h"

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
    if (!MoveFileExW(temp.c_str(), final.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temp.c_str());
        return SaveResult::NotReplaced;
    }
    return SaveResult::Saved;
}
