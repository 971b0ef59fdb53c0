#pragma once
// Reading files that the user (or anything else) may have replaced with a
// FIFO, a device or a symbolic link to one: only regular files are read,
// opening never blocks, and a size cap bounds the memory a read may take.

#include <cstddef>
#include <string>

namespace tocko {

enum class FileStatus {
    ok,
    missing,     // nothing at the path (or a dangling link)
    notRegular,  // a directory, FIFO, socket or device (after following links)
    tooLarge,    // larger than the cap
    failed,      // present but could not be opened or read
};

// Opens `path` read-only without blocking and checks that it is a regular
// file of at most `maxBytes`. Returns the descriptor (close-on-exec, back in
// blocking mode) or -1 with `status` saying why; `error` gets the system's
// description of a failure.
int openRegularFile(const std::string& path, size_t maxBytes, FileStatus& status,
                    std::string* error = nullptr);

struct FileContents {
    FileStatus status = FileStatus::failed;
    std::string bytes;  // the whole file when status is ok
    std::string error;  // system error text for missing/failed
};

// Reads a whole regular file of at most `maxBytes`. A file that grows past
// the cap while it is read counts as too large.
FileContents readRegularFile(const std::string& path, size_t maxBytes);

// For files that a library opens by itself (QSettings does on construction):
// when something other than a regular file of at most `maxBytes` sits at
// `path`, it is renamed to `path` + ".invalid" (replacing an earlier one) so
// that the library starts afresh instead of blocking. Returns the new name,
// or an empty string when the file is fine, missing, or could not be moved.
std::string setAsideUnusableFile(const std::string& path, size_t maxBytes);

}  // namespace tocko
