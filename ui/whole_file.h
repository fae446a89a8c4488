#pragma once
// Saving a file whole: the chosen name holds either what it held before or every byte of the
// new contents, never a part of them.
#include <filesystem>
#include <string_view>

enum class SaveResult {
    Saved,
    NotCreated,   // no new file could be made in the folder (read-only, gone, no rights)
    NotWritten,   // writing failed (the disk is full); the chosen name is untouched
    NotReplaced,  // the new file could not take the chosen name (in use, read-only, a folder)
};

// Writes contents to a new file beside target, and renames it over target only once it is
// complete and flushed. On failure the new file is removed again.
SaveResult saveWholeFile(const std::filesystem::path& target, std::string_view contents);
