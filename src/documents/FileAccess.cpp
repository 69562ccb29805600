// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "FileAccess.h"

#include "Codepage.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kovaq {
namespace {

// Closes a descriptor however the function that opened it ends.
class Fd {
  public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    // Closes now and reports what close() said: a late write error shows up here.
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

  private:
    int m_fd;
};

// Removes the temporary file unless the save got to the end.
class TempFile {
  public:
    explicit TempFile(std::string path) : m_path(std::move(path)) {}
    ~TempFile() {
        if (!m_kept)
            ::unlink(m_path.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    void keep() { m_kept = true; }

  private:
    std::string m_path;
    bool m_kept = false;
};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The length of the valid UTF-8 character at i, or 0.
std::size_t utf8SequenceAt(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80)
        return 1;
    const std::size_t len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    return i + len <= s.size() && IsValidUtf8(s.substr(i, len)) ? len : 0;
}

// The umask at start, read before any thread of ours runs; only where the system does not
// report it.
const mode_t startUmask = [] {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}();

// The umask as the system reports it. Setting it to read it would change it for a moment
// under every other thread, and two threads doing so at once could leave it changed.
mode_t currentUmask() {
    const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return startUmask;
    char buffer[4096];
    std::size_t got = 0;
    for (ssize_t n;
         got < sizeof buffer - 1 && (n = ::read(fd, buffer + got, sizeof buffer - 1 - got)) != 0;) {
        if (n < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    buffer[got] = '\0';
    const char* line = std::strstr(buffer, "\nUmask:");
    if (!line)
        return startUmask;
    return static_cast<mode_t>(std::strtoul(line + 7, nullptr, 8));
}

} // namespace

QString PathFromNative(std::string_view native) {
    // Decoded here rather than by QString::fromUtf8, which would drop a leading U+FEFF.
    QString out;
    out.reserve(static_cast<qsizetype>(native.size()));
    for (std::size_t i = 0; i < native.size();) {
        const std::size_t len = utf8SequenceAt(native, i);
        if (len == 0) {
            out += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(native[i])));
            ++i;
            continue;
        }
        auto cp = static_cast<char32_t>(static_cast<unsigned char>(native[i]));
        if (len > 1) {
            cp &= 0x7Fu >> len;
            for (std::size_t k = 1; k < len; ++k)
                cp = (cp << 6) | (static_cast<unsigned char>(native[i + k]) & 0x3Fu);
        }
        if (cp >= 0x10000) {
            out += QChar(QChar::highSurrogate(cp));
            out += QChar(QChar::lowSurrogate(cp));
        } else {
            out += QChar(static_cast<char16_t>(cp));
        }
        i += len;
    }
    return out;
}

std::string NativeFromPath(const QString& path) {
    std::string out;
    out.reserve(static_cast<std::size_t>(path.size()));
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        const bool escaped = i < path.size() && path[i].unicode() >= 0xDC80 &&
                             path[i].unicode() <= 0xDCFF &&
                             !(i > 0 && path[i - 1].isHighSurrogate());
        if (i == path.size() || escaped) {
            out += path.mid(runStart, i - runStart).toUtf8().toStdString();
            if (escaped)
                out.push_back(static_cast<char>(path[i].unicode() - 0xDC00));
            runStart = i + 1;
        }
    }
    return out;
}

FileBytes ReadRegularFile(const std::string& nativePath, std::size_t maxBytes) {
    FileBytes out;
    Fd fd(::open(nativePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        out.error = errno;
        out.status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed;
        // A socket cannot even be opened; say what it is rather than the system's riddle.
        struct stat st {};
        if (errno == ENXIO && ::stat(nativePath.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
            out.status = ReadStatus::NotRegular;
        return out;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        out.error = errno;
        return out;
    }
    if (S_ISDIR(st.st_mode)) {
        out.status = ReadStatus::IsFolder;
        return out;
    }
    if (!S_ISREG(st.st_mode)) {
        out.status = ReadStatus::NotRegular;
        return out;
    }
    // A regular file never blocks, but reads are plain blocking reads from here on.
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    const auto size = static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0);
    out.bytes.reserve(std::min(size, maxBytes));
    char buffer[65536];
    while (out.bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - out.bytes.size());
        const ssize_t n = ::read(fd.get(), buffer, want);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            out.error = errno;
            out.bytes.clear();
            return out;
        }
        if (n == 0)
            break;
        out.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    if (out.bytes.size() == maxBytes) {
        char probe = 0;
        ssize_t n = 0;
        do
            n = ::read(fd.get(), &probe, 1);
        while (n < 0 && errno == EINTR);
        out.truncated = n > 0;
    }
    out.status = ReadStatus::Ok;
    return out;
}

bool IsRegularFile(const std::string& nativePath) {
    struct stat st {};
    return ::stat(nativePath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string ReadStatusText(const FileBytes& file) {
    switch (file.status) {
    case ReadStatus::Ok:
        return "OK";
    case ReadStatus::Missing:
        return "No such file";
    case ReadStatus::IsFolder:
        return "Is a folder";
    case ReadStatus::NotRegular:
        return "Not a regular file";
    case ReadStatus::Failed:
        break;
    }
    return std::strerror(file.error);
}

WriteResult ReplaceFileContents(const std::string& nativePath, std::string_view bytes) {
    const auto failed = [](int error) { return WriteResult{error != 0 ? error : EIO, {}}; };
    if (nativePath.empty())
        return failed(ENOENT);
    // A link is followed, so that the file it names is replaced and the link stays.
    std::string target = nativePath;
    struct stat st {};
    bool exists = false;
    if (::lstat(nativePath.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode)) {
            char resolved[PATH_MAX];
            if (!::realpath(nativePath.c_str(), resolved) || ::stat(resolved, &st) != 0)
                return failed(errno);
            target = resolved;
        }
        exists = true;
        if (S_ISDIR(st.st_mode))
            return failed(EISDIR);
        if (!S_ISREG(st.st_mode))
            return WriteResult{EINVAL, "Not a regular file"};
        if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
            return failed(EACCES);
    } else if (errno != ENOENT) {
        return failed(errno);
    }
    const std::string folder = folderOf(target);
    struct stat folderStat {};
    if (::stat(folder.c_str(), &folderStat) != 0)
        return failed(errno);
    if (!S_ISDIR(folderStat.st_mode))
        return failed(ENOTDIR);
    if ((folderStat.st_mode & 0222) == 0 || ::access(folder.c_str(), W_OK) != 0)
        return failed(EACCES);

    // A hidden name beside the file, short enough for any file system.
    const std::size_t slash = target.find_last_of('/');
    const std::string base = target.substr(slash == std::string::npos ? 0 : slash + 1);
    std::string tempPath = folder + "/." + base.substr(0, 200) + ".XXXXXX";
    Fd fd(::mkostemp(tempPath.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return failed(errno);
    TempFile temp(tempPath);
    const mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~currentUmask());
    if (exists)
        (void)::fchown(fd.get(), st.st_uid, st.st_gid); // best effort: keep the owners
    if (::fchmod(fd.get(), mode) != 0)
        return failed(errno);
    if (!writeAll(fd.get(), bytes))
        return failed(errno);
    if (::fsync(fd.get()) != 0 || !fd.close())
        return failed(errno);
    if (::rename(tempPath.c_str(), target.c_str()) != 0)
        return failed(errno);
    temp.keep();
    // The new name is on the disk once the folder is.
    Fd dirFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0)
        (void)::fsync(dirFd.get());
    return {};
}

std::string WriteResult::reason() const {
    if (ok())
        return {};
    return why.empty() ? std::string(std::strerror(error)) : why;
}

std::string QuotedName(std::string_view native) {
    std::string out = "'";
    for (std::size_t i = 0; i < native.size();) {
        const auto b = static_cast<unsigned char>(native[i]);
        if (const std::size_t len = utf8SequenceAt(native, i); b >= 0x80 && len > 0) {
            out.append(native.substr(i, len));
            i += len;
            continue;
        }
        char esc[8];
        switch (b) {
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\'':
            out += "\\'";
            break;
        default:
            if (b < 0x20 || b == 0x7F || b >= 0x80) {
                std::snprintf(esc, sizeof esc, "\\x%02X", b);
                out += esc;
            } else {
                out.push_back(static_cast<char>(b));
            }
        }
        ++i;
    }
    out += "'";
    return out;
}

} // namespace kovaq
