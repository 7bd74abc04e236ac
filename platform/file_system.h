#pragma once
// Files and folders as the workbench sees them. Paths are byte strings; folders
// may be given with or without a trailing '/'.
#include <optional>
#include <string>
#include <vector>

namespace orvo {

// Why a file could not be read or written.
struct FileError {
    enum class Kind {
        Missing,         // nothing at the path
        NotRegularFile,  // a FIFO, device, socket or folder where a file belongs
        System,          // the system refused: `code` says why
    };
    Kind kind = Kind::System;
    int code = 0;  // the system's error number (errno) for System

    bool missing() const { return kind == Kind::Missing; }
};

// One entry of a folder as the folder itself holds it: a symbolic link is
// a link, whatever it points to (or whether it points anywhere at all).
struct DirectoryEntry {
    enum class Kind {
        File,    // a regular file, or a FIFO, device or socket
        Folder,
        Link,
    };
    std::string name;
    Kind kind = Kind::File;

    // A name that starts with "." is hidden.
    bool hidden() const { return !name.empty() && name.front() == '.'; }
};

// A whole file's content, or why there is none.
struct FileRead {
    std::string content;
    std::optional<FileError> error;

    bool ok() const { return !error; }
    bool missing() const { return error && error->missing(); }
    // There is something at the path, but it cannot be read.
    bool unreadable() const { return error && !error->missing(); }
};

// What became of a write: nothing when it succeeded.
struct FileWrite {
    std::optional<FileError> error;

    bool ok() const { return !error; }
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole content of a regular file. Reading never waits: a FIFO or a
    // device in place of the file is no regular file and is not opened for
    // long enough to block.
    virtual FileRead read(const std::string& path) const = 0;
    // Replaces the file in one step: the content goes to a temporary file
    // beside it, which is then renamed over it. A crash leaves the old or the
    // new file, never a torn one; the old file is untouched by a failure. A
    // link is written through to the file it names, and stays a link. Only a
    // regular file is replaced: anything else at the path makes the write
    // fail (NotRegularFile).
    virtual FileWrite replace(const std::string& path, const std::string& content) = 0;
    virtual bool fileExists(const std::string& path) const = 0;  // a file, not a folder
    virtual bool directoryExists(const std::string& path) const = 0;
    // Creates the folder and its missing parents; true when it exists afterwards.
    virtual bool createDirectories(const std::string& path) = 0;
    virtual bool removeFile(const std::string& path) = 0;
    // Names (not paths) of the entries of a folder; empty when it cannot be read.
    virtual std::vector<std::string> listDirectory(const std::string& path) const = 0;
    // The entries of a folder with their kinds, in the order the folder lists
    // them; empty when it cannot be read. A link to a folder is a Link.
    virtual std::vector<DirectoryEntry> listEntries(const std::string& path) const = 0;
    // Whether both paths name the same existing file, links followed (a
    // folder reached by two routes, a link and its target).
    virtual bool sameFile(const std::string& a, const std::string& b) const = 0;
    virtual std::string currentDirectory() const = 0;
    virtual bool setCurrentDirectory(const std::string& path) = 0;

    // The content, or nothing when the file is missing or cannot be read, for
    // readers to whom both mean "no such file".
    std::optional<std::string> readFile(const std::string& path) const {
        FileRead result = read(path);
        if (!result.ok()) return std::nullopt;
        return std::move(result.content);
    }
    // replace(), for writers that only need to know whether it worked.
    bool writeFileAtomically(const std::string& path, const std::string& content) {
        return replace(path, content).ok();
    }
};

}  // namespace orvo
