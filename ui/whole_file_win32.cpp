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

bool isFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A name beside final that nothing holds, for the old file while it is replaced.
std::wstring freeName(const std::wstring& final, const wchar_t* suffix) {
    std::wstring name;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        name = final + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt) + suffix;
        if (GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES) break;
    }
    return name;
}

// The old file, kept under backup while its replacement took its name, is not needed now.
SaveResult dropBackup(const std::wstring& backup, SaveLeftovers* left) {
    for (const DWORD start = GetTickCount(); isFile(backup); Sleep(20)) {
        if (DeleteFileW(backup.c_str())) break;
        if (!mayPass(GetLastError()) || GetTickCount() - start >= 500) {
            if (left) left->oldFile = backup;
            return SaveResult::SavedOldKept;
        }
    }
    return SaveResult::Saved;
}

// Gives temp the name final, trying for about half a second. A file already there is replaced
// so that the new one keeps its attributes (hidden, not indexed...); Windows' ReplaceFileW
// carries them over, Wine's does not, so they are set first. ReplaceFileW is given a backup
// name: without one, a failure to move the new file in (ERROR_UNABLE_TO_MOVE_REPLACEMENT) has
// already taken the old one away for good.
SaveResult putInPlace(const std::wstring& temp, const std::wstring& final, SaveLeftovers* left) {
    const std::wstring backup = freeName(final, L".bak");
    for (const DWORD start = GetTickCount();; Sleep(20)) {
        const DWORD attributes = GetFileAttributesW(final.c_str());
        const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
        if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) break;
        if (exists) SetFileAttributesW(temp.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
        if (!exists && MoveFileExW(temp.c_str(), final.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return SaveResult::Saved;
        if (exists && !heldOpen(final)) {
            if (ReplaceFileW(final.c_str(), temp.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                             nullptr))
                return dropBackup(backup, left);
            const DWORD error = GetLastError();
            // Half done: the old file is no longer under its name.
            if (!isFile(final)) return settleFailedReplace(final, temp, backup, left);
            SetLastError(error);
        }
        if (!mayPass(GetLastError()) || GetTickCount() - start >= 500) break;
    }
    DeleteFileW(temp.c_str());
    return SaveResult::NotReplaced;
}

}  // namespace

SaveResult settleFailedReplace(const std::wstring& final, const std::wstring& temp, const std::wstring& backup,
                               SaveLeftovers* left) {
    const auto moved = [](const std::wstring& from, const std::wstring& to) {
        return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    };
    if (isFile(final) && !isFile(temp)) return dropBackup(backup, left);   // the list took its name after all
    if (isFile(final) || (isFile(backup) && moved(backup, final))) {
        DeleteFileW(temp.c_str());
        DeleteFileW(backup.c_str());   // a copy, where the system made one
        return SaveResult::NotReplaced;
    }
    const bool oldAside = isFile(backup);
    if (left && oldAside) left->oldFile = backup;
    if (moved(temp, final)) return oldAside ? SaveResult::SavedOldKept : SaveResult::Saved;
    if (left) left->listFile = temp;
    return oldAside ? SaveResult::BothKept : SaveResult::ListKept;
}

// Wide calls throughout: the folder may have any name.
SaveResult saveWholeFile(const std::filesystem::path& target, std::string_view contents, SaveLeftovers* left) {
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
    return putInPlace(temp, final, left);
}
