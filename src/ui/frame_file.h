#pragma once
// The one place where saved pictures (the graph window's frames) meet the file system, for the
// headless store and the desktop's alike. Only a regular file is read or written: a FIFO, a device or
// a folder at the path is refused before it is opened, so that nothing ever waits on it; a symbolic
// link is never followed; and a file longer than any bitmap of the picture is refused unread.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace ui {

// The longest bitmap file a picture of width × height twips can have: the largest headers, colour
// masks and colour table a bitmap carries, then four bytes for each of its pixels.
uint64_t LargestBitmapFileOf(double width, double height);

// The whole regular file at path into `into` (its room kept for the next read). False, with nothing
// read, when the path is anything but a regular file (a symbolic link included) or the file is longer
// than `largest` bytes.
bool ReadFrameFile(const std::filesystem::path& path, uint64_t largest, std::string& into);

// Writes bytes as the regular file at path. A regular file there is written over in place; a symbolic
// link is replaced by a new file, written beside it and renamed over the link, so its target is left as
// it was; anything else at the path (a FIFO, a device, a folder) fails at once.
bool WriteFrameFile(const std::filesystem::path& path, std::string_view bytes);

// Writes all of bytes to an open file, going on after an interrupted write; false on an error (errno
// says which).
bool WriteAll(int fd, std::string_view bytes);

}  // namespace ui
