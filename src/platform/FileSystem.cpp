#include "platform/FileSystem.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileSystem {
namespace {
QString reason(int code) { return QString::fromLocal8Bit(std::strerror(code)); }
} // namespace

Facts facts(const QString& path)
{
    Facts result;
    const QByteArray name = QFile::encodeName(path);
    struct stat own {};
    if (::lstat(name.constData(), &own) != 0) return result;
    result.link = S_ISLNK(own.st_mode);
    struct stat target {};
    if (::stat(name.constData(), &target) != 0) return result;
    result.exists = true;
    result.regular = S_ISREG(target.st_mode);
    result.links = unsigned(target.st_nlink);
    result.owner = target.st_uid;
    result.group = target.st_gid;
    return result;
}

bool isPlainFile(const QString& path)
{
    const Facts f = facts(path);
    return f.regular && !f.link;
}

bool reserve(int handle, qint64 size, QString* error)
{
    if (size <= 0) return true;
    const int code = ::posix_fallocate(handle, 0, off_t(size));
    if (code == 0) return true;
    if (error) *error = reason(code);
    return false;
}

bool sync(int handle, QString* error)
{
    if (::fsync(handle) == 0) return true;
    // Some file systems (pipes aside, which are never written) cannot sync: their write was checked.
    if (errno == EINVAL || errno == EROFS) return true;
    if (error) *error = reason(errno);
    return false;
}

void keepOwner(int handle, const Facts& replaced)
{
    struct stat now {};
    if (!replaced.exists || ::fstat(handle, &now) != 0) return;
    if (now.st_uid == replaced.owner && now.st_gid == replaced.group) return;
    // Failure is fine: a user who may not give the file away keeps it as the owner.
    [[maybe_unused]] const int ignored = ::fchown(handle, replaced.owner, replaced.group);
}

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

} // namespace FileSystem
