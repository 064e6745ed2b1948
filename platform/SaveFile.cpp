#include "platform/SaveFile.h"

#include "core/ScopeExit.h"
#include "core/SystemErrorText.h"
#include "platform/QtText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A new file in the folder, under a name no other file has; -1 with errno set when the
// folder refuses.
int CreateTemporary(const std::string& folder, mode_t mode, std::string& name)
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.kelvorin2-" + std::to_string(random() % 1000000000) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR)
            return false;
        if (written > 0)
            bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

EFileWrite FileWriteError(const QString& path, const AnsiString& reason)
{
    return EFileWrite(FromQString(QDir::toNativeSeparators(path)), reason);
}

void SaveFile(const QString& path, std::string_view bytes)
{
    const auto fail = [&](int code) { return FileWriteError(path, SystemErrorText(code)); };
    // A link keeps pointing where it did: the file it leads to is the one replaced.
    const QFileInfo info(path);
    const QString file = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const std::string target = QFile::encodeName(file).toStdString();
    const std::string folder = QFile::encodeName(QFileInfo(file).absolutePath()).toStdString();

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        throw fail(EISDIR);
    if (exists && !S_ISREG(existing.st_mode))
        throw FileWriteError(path, AnsiFromUtf8("это не обычный файл"));
    // A file the user may not write stays as it is, although its folder would let it be replaced.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        throw fail(errno);

    std::string temporary;
    const int fd = CreateTemporary(folder, exists ? existing.st_mode & 07777 : 0666, temporary);
    if (fd < 0)
        throw fail(errno);
    bool closed = false;
    bool renamed = false;
    TScopeExit cleanUp([&] {
        if (!closed)
            ::close(fd);
        if (!renamed)
            ::unlink(temporary.c_str());
    });
    // The replacement keeps the permissions the file had, whatever the umask takes away.
    if (exists)
        ::fchmod(fd, existing.st_mode & 07777);
    // Written, on the disk and closed before it takes the file's place: a failure at any
    // step leaves the earlier file whole.
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0)
        throw fail(errno);
    closed = true;
    if (::close(fd) != 0)
        throw fail(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        throw fail(errno);
    renamed = true;
}
