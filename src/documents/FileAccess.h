// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

namespace kovaq {

// File names are bytes. Paths travel through the program as the bytes the system uses
// ("native paths"); these turn them into text for the screen and back without losing a
// byte: a byte that is not UTF-8 becomes U+DC80 + byte and returns as that byte. For every
// valid UTF-8 name they give what QFile::encodeName and decodeName give.
QString PathFromNative(std::string_view native);
std::string NativeFromPath(const QString& path);

enum class ReadStatus {
    Ok,
    Missing,    // no such file
    IsFolder,   // a folder
    NotRegular, // a FIFO, a socket, a device: never read, it could block or never end
    Failed,     // any other reason the system gives
};

struct FileBytes {
    std::string bytes;
    ReadStatus status = ReadStatus::Failed;
    int error = 0;          // errno for Failed
    bool truncated = false; // the file is longer than the bound and was cut there
};

// Reads a regular file, at most maxBytes of it. The file is opened without blocking and
// its type checked on the opened descriptor, so nothing swapped in between can block.
FileBytes ReadRegularFile(const std::string& nativePath, std::size_t maxBytes);

// Whether a regular file (or a link to one) stands at the path; never opens it.
bool IsRegularFile(const std::string& nativePath);

// Why a read failed, for a person: "No such file", "Is a folder", "Not a regular file" or
// the system's message.
std::string ReadStatusText(const FileBytes& file);

// What a write did: 0, or the system's errno, and the reason for a person.
struct WriteResult {
    int error = 0;
    std::string why; // where the system gives no errno ("Not a regular file")
    bool ok() const { return error == 0; }
    explicit operator bool() const { return ok(); }
    // The system's message ("No space left on device"); empty when it went through.
    std::string reason() const;
};

// Replaces a file's content in one step: a new file beside it is written with every write
// checked, flushed to the disk and renamed over the old one, so a failure at any point
// leaves the old file byte for byte as it was. A symbolic link keeps pointing at the file
// it names, and an existing file keeps its permissions. Refuses a target that is not a
// regular file and one without any write permission (read-only, as on Windows, even for
// an administrator). Says why on any failure.
WriteResult ReplaceFileContents(const std::string& nativePath, std::string_view bytes);

// Quotes a name for a message so that control characters and bytes that are not UTF-8 can
// be seen: 'a\nb' and 'x\xFF.mix'.
std::string QuotedName(std::string_view native);

} // namespace kovaq
