// POSIX implementation of the file helpers.
#include "platform/FileIo.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

std::string Reason(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// Closes a descriptor when it goes out of scope.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

// Writes all bytes from the start of the file on.
bool WriteAll(int fd, const char* data, std::size_t size) {
    off_t offset = 0;
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, offset);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        offset += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Reads up to size bytes from the start of the file.
bool ReadStart(int fd, std::size_t size, std::string& out) {
    out.resize(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, out.data() + done, size - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    out.resize(done);
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path names after following symbolic links; the path itself when it does not
// exist yet.
std::string FinalTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return path;
    return resolved;
}

// Errors that say the folder takes no new name, as opposed to a disk that takes no more data.
bool CannotMakeNewName(int err) {
    return err == EACCES || err == EPERM || err == EROFS || err == ENAMETOOLONG;
}

// Gives the new file the owner and group of the old one; false when the user may not.
bool KeepsOwner(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) return false;
    if (now.st_uid == old.st_uid && now.st_gid == old.st_gid) return true;
    return ::fchown(fd, old.st_uid, old.st_gid) == 0;
}

// For when the file cannot be replaced by a new one: writes the bytes into the file itself.
// The room for them is taken before the first old byte is overwritten, and the old bytes are
// put back when a write still fails, so that a failure leaves the file as it was.
bool WriteInPlace(const std::string& target, const std::string& bytes, std::string& error) {
    Fd fd(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) {
        error = Reason("cannot open the file for writing");
        return false;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        error = target + ": not a regular file";
        return false;
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    std::string old; // kept whole: a shorter new content cuts the file
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        !ReadStart(fd.get(), static_cast<std::size_t>(st.st_size), old)) {
        error = Reason("cannot read the file");
        return false;
    }
    auto undo = [&](const char* what) {
        error = Reason(what);
        WriteAll(fd.get(), old.data(), old.size());
        ::ftruncate(fd.get(), st.st_size);
        ::fsync(fd.get());
        return false;
    };
    const off_t size = static_cast<off_t>(bytes.size());
    if (size > st.st_size) {
        // Where the file system cannot reserve room, the writes below are checked instead.
        const int err = ::posix_fallocate(fd.get(), 0, size);
        errno = err;
        if (err != 0 && err != EOPNOTSUPP) return undo("no room for the file");
    }
    if (!WriteAll(fd.get(), bytes.data(), bytes.size()) || ::ftruncate(fd.get(), size) != 0 ||
        ::fsync(fd.get()) != 0)
        return undo("cannot write the file");
    error.clear();
    return true;
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    // Opening a named pipe or a device for reading can wait for ever (a pipe with no writer):
    // open without waiting, refuse anything but a regular file, then read as usual.
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) return false;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return false;
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) return false;
    std::string out;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;
        out.append(buf, static_cast<std::size_t>(n));
        if (out.size() > maxBytes) return false;
    }
    bytes = std::move(out);
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error) {
    const std::string target = FinalTarget(path);
    const std::string folder = FolderOf(target);
    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) {
        error = target + ": not a regular file";
        return false;
    }
    // A file the user may not write is never replaced, even where the folder would let the
    // rename do it: opening it for writing asks the file system itself (modes, access lists,
    // read-only mounts, immutable files) without touching its content.
    if (existed) {
        const Fd probe(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
        if (probe.get() < 0) {
            error = Reason("cannot open the file for writing");
            return false;
        }
    }

    // A short new name beside the target (a name near the length limit leaves no room for a
    // suffix); created with the usual mode (the umask applies), an existing file's own mode is
    // put back below.
    std::string temp;
    int raw = -1;
    for (int attempt = 0; raw < 0 && attempt < 100; ++attempt) {
        temp =
            folder + "/.wyx" + std::to_string(::getpid()) + "." + std::to_string(attempt) + ".tmp";
        raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST) break;
    }
    Fd fd(raw);
    if (fd.get() < 0) {
        // No new file can be made in the folder: the file itself may still be writable.
        if (existed && CannotMakeNewName(errno)) return WriteInPlace(target, bytes, error);
        error = Reason("cannot create a temporary file");
        return false;
    }
    auto fail = [&](const char* what) {
        error = Reason(what);
        ::unlink(temp.c_str());
        return false;
    };
    if (existed && !KeepsOwner(fd.get(), old)) {
        // A new file would change who owns the document: write into the file itself.
        ::unlink(temp.c_str());
        return WriteInPlace(target, bytes, error);
    }
    if (existed && ::fchmod(fd.get(), old.st_mode & 07777) != 0)
        return fail("cannot set permissions");
    if (!WriteAll(fd.get(), bytes.data(), bytes.size())) return fail("cannot write");
    if (::fsync(fd.get()) != 0) return fail("cannot flush");
    if (::close(fd.release()) != 0) return fail("cannot close");
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int why = errno;
        ::unlink(temp.c_str());
        // A folder that lets us add files but not replace this one (sticky folder, a file
        // mounted in place): the new content fitted on disk, so write it into the file.
        if (CannotMakeNewName(why) || why == EBUSY || why == EXDEV)
            return WriteInPlace(target, bytes, error);
        errno = why;
        error = Reason("cannot replace the file");
        return false;
    }
    // Make the rename itself durable.
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
    error.clear();
    return true;
}
