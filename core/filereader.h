#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/textstore.h"

namespace brainlark
{

/// The one way the program reads a whole file: lists, texts to import, templates, JSON, pictures and
/// sounds. Only regular files are read (a symbolic link to one is followed); the open never blocks, so a
/// FIFO or device named like a list is refused at once instead of hanging the program or being read
/// for minutes. Failures keep the system's reason: "cannot open PATH: No such file or directory",
/// "cannot read PATH: not a regular file", "cannot read PATH: File too large".
class FileReader
{
public:
    /// Reads the file into a text store (up to TextStore::MaxSize bytes). On failure `bytes` is untouched.
    static bool read(const std::string& path, TextStore& bytes, std::string* error);
    /// Reads the file into `bytes`, reusing its capacity (a catalogue scan reads many files into one
    /// buffer). A file larger than maxBytes is refused before anything is read ("File too large"). On
    /// failure `bytes` holds nothing useful.
    static bool read(const std::string& path, std::string& bytes, std::string* error,
                     size_t maxBytes = TextStore::MaxSize);
};

/// A regular file read a block at a time, for files too large to hold at once (a text to import of
/// gigabytes). Opens with the same checks as FileReader and fails with the same messages.
class FileBlocks
{
public:
    FileBlocks(const std::string& path, std::string* error);
    ~FileBlocks();
    FileBlocks(const FileBlocks&) = delete;
    FileBlocks& operator=(const FileBlocks&) = delete;

    bool isOpen() const;
    /// The size when it was opened.
    uint64_t size() const;
    /// Reads the next bytes, at most `capacity`, into `block` (empty at the end of the file); false with the
    /// reason on a read error.
    bool next(std::string& block, size_t capacity, std::string* error);

private:
    std::string m_path;
    std::unique_ptr<class RegularFile> m_file;
};

} // namespace brainlark
