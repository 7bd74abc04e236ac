#pragma once
// The one way the workbench opens a file for reading: only a regular file,
// and never waiting. A FIFO without a writer blocks a plain open() for good,
// and a termination signal only restarts it; a device may block or answer
// forever. So the path is checked first, opened non-blocking, checked again
// on the open descriptor (the path may have changed in between), and only
// then made blocking for the read.
#include <cstddef>
#include <limits>
#include <string>

#include "platform/file_system.h"

namespace orvo {

struct OpenedFile {
    int fd = -1;  // owned by the caller; -1 when `error` is set
    std::optional<FileError> error;
};

OpenedFile openRegularFile(const std::string& path);

// The file's content up to `limit` bytes (all of it by default). Files of
// /proc are regular files too, with a size of 0: the read goes to the end of
// the file, whatever the size says.
FileRead readRegularFile(const std::string& path, std::size_t limit = std::numeric_limits<std::size_t>::max());

// The error of the failed system call whose errno is `code`.
FileError systemError(int code);

}  // namespace orvo
