#pragma once
// Saving a file whole: the chosen name holds either what it held before or every byte of the
// new contents, never a part of them. Where the system leaves files elsewhere (Windows, when a
// replace fails half-way), nothing is deleted that may be the only copy: they are named.
#include <filesystem>
#include <string_view>

enum class SaveResult {
    Saved,
    NotCreated,    // no new file could be made in the folder (read-only, gone, no rights)
    NotWritten,    // writing failed (the disk is full); the chosen name is untouched
    NotReplaced,   // the new file could not take the chosen name (in use, read-only, a folder);
                   // the chosen file is as it was
    SavedOldKept,  // saved; the file it replaced is kept aside (SaveLeftovers::oldFile)
    BothKept,      // not saved under the chosen name: the file that was there is aside
                   // (oldFile), the list in listFile
    ListKept,      // not saved under the chosen name, which no file holds now: the list is in
                   // listFile
};

// Where files were left when they are not where they belong.
struct SaveLeftovers {
    std::filesystem::path oldFile;
    std::filesystem::path listFile;
};

// Writes contents to a new file beside target, and renames it over target only once it is
// complete and flushed. On failure the new file is removed again, unless it is the only copy.
SaveResult saveWholeFile(const std::filesystem::path& target, std::string_view contents,
                         SaveLeftovers* left = nullptr);

#ifdef _WIN32
// After a failed ReplaceFileW(final, temp, backup): the original back under final where it was
// moved to backup, else the new list there, and whatever could not be put in place kept.
SaveResult settleFailedReplace(const std::wstring& final, const std::wstring& temp, const std::wstring& backup,
                               SaveLeftovers* left);
#endif
