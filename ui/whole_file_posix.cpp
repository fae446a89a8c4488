#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "ui/whole_file.h"

// rename() replaces target in one step: the old file is never anywhere else.
SaveResult saveWholeFile(const std::filesystem::path& target, std::string_view contents, SaveLeftovers*) {
    std::string temp;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target.native() + "." + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".tmp";
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return SaveResult::NotCreated;

    bool written = true;
    for (size_t at = 0; written && at < contents.size();) {
        const ssize_t n = write(fd, contents.data() + at, contents.size() - at);
        if (n > 0) at += static_cast<size_t>(n);
        else written = n < 0 && errno == EINTR;
    }
    written = fsync(fd) == 0 && written;
    written = close(fd) == 0 && written;
    if (!written) {
        unlink(temp.c_str());
        return SaveResult::NotWritten;
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        unlink(temp.c_str());
        return SaveResult::NotReplaced;
    }
    return SaveResult::Saved;
}
