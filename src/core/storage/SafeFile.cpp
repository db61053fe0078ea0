#include "core/storage/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <atomic>
#include <optional>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace vaz::storage {

namespace {

std::atomic<qint64> diskFullAfter{-1};
std::atomic<int> replacesBeforeFailure{-1};

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

using Input = InputProblem::Kind;

Input kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return Input::None;
    if (S_ISDIR(mode))
        return Input::Folder;
    if (S_ISFIFO(mode))
        return Input::Pipe;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return Input::Device;
    if (S_ISSOCK(mode))
        return Input::Socket;
    return Input::NotAFile;
}

// In the windows' language; the command line loads none and stays English.
QString said(const char *text) { return QCoreApplication::translate("vaz::storage::FileWords", text); }

QString kindProblem(mode_t mode)
{
    switch (kindOf(mode)) {
    case Input::None: return {};
    case Input::Folder: return said(QT_TRANSLATE_NOOP("vaz::storage::FileWords", "it is a folder"));
    case Input::Pipe: return said(QT_TRANSLATE_NOOP("vaz::storage::FileWords", "it is a pipe"));
    case Input::Device: return said(QT_TRANSLATE_NOOP("vaz::storage::FileWords", "it is a device"));
    case Input::Socket: return said(QT_TRANSLATE_NOOP("vaz::storage::FileWords", "it is a socket"));
    default: return said(QT_TRANSLATE_NOOP("vaz::storage::FileWords", "it is not a regular file"));
    }
}

// Root may write anything; a file nobody may write is still meant to stay.
bool readOnly(const QByteArray &path, const struct stat &st)
{
    if (geteuid() == 0)
        return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return access(path.constData(), W_OK) != 0;
}

struct Target {
    QByteArray path;  // the file that gets replaced: a link's target
    bool exists = false;
    struct stat st {};
    QString problem;
};

Target resolve(const QString &path)
{
    Target t;
    const QByteArray given = QFile::encodeName(path);
    struct stat link {};
    if (lstat(given.constData(), &link) != 0) {
        if (errno != ENOENT)
            t.problem = systemError(errno);
        t.path = given;
        return t;
    }
    t.path = given;
    if (S_ISLNK(link.st_mode)) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (canonical.isEmpty()) {
            t.problem = said(QT_TRANSLATE_NOOP("vaz::storage::FileWords", "it is a link to nothing"));
            return t;
        }
        t.path = QFile::encodeName(canonical);
    }
    if (stat(t.path.constData(), &t.st) != 0) {
        t.problem = systemError(errno);
        return t;
    }
    t.exists = true;
    if (QString kind = kindProblem(t.st.st_mode); !kind.isEmpty())
        t.problem =
            S_ISLNK(link.st_mode)
                ? said(QT_TRANSLATE_NOOP("vaz::storage::FileWords", "it is a link to something that is not a file"))
                : kind;
    else if (readOnly(t.path, t.st))
        t.problem = said(QT_TRANSLATE_NOOP("vaz::storage::FileWords", "it is read-only"));
    return t;
}

mode_t umaskNow()
{
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

QString folderOf(const QByteArray &path) { return QFileInfo(QFile::decodeName(path)).absolutePath(); }

qint64 freeBytes(const QByteArray &path)
{
    struct statvfs fs {};
    const QByteArray folder = QFile::encodeName(folderOf(path));
    return statvfs(folder.constData(), &fs) == 0 ? qint64(fs.f_bavail) * qint64(fs.f_frsize) : -1;
}

}  // namespace

void simulateDiskFullAfter(qint64 bytes) { diskFullAfter = bytes; }

void simulateReplaceFailureAfter(int replaces) { replacesBeforeFailure = replaces; }

QString saveFailureReason(const QString &error, qint64 needed, qint64 available)
{
    if (available < 0 || available >= needed)
        return error;
    const QLocale c = QLocale::c();
    return said(QT_TRANSLATE_NOOP("vaz::storage::FileWords", "the disk is full (the file needs %1, %2 are free)"))
        .arg(c.formattedDataSize(needed, 1, QLocale::DataSizeTraditionalFormat),
             c.formattedDataSize(available, 1, QLocale::DataSizeTraditionalFormat));
}

QString outputProblem(const QString &path) { return resolve(path).problem; }

namespace {

// A file written and on the disk under a temporary name, waiting to replace its target.
struct Staged {
    QByteArray temporary, target;
    QString problem;
    void drop() const
    {
        if (!temporary.isEmpty())
            unlink(temporary.constData());
    }
};

Staged stage(const QString &path, const Producer &produce)
{
    const Target target = resolve(path);
    if (!target.problem.isEmpty())
        return {{}, {}, target.problem};
    const QString name = QFileInfo(QFile::decodeName(target.path)).fileName();
    QByteArray temporary = QFile::encodeName(folderOf(target.path) + QStringLiteral("/.") + name) + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return {{}, {}, systemError(errno)};
    const QString temporaryPath = QFile::decodeName(temporary);
    auto fail = [&](const QString &reason, int descriptor = -1) {
        if (descriptor >= 0)
            close(descriptor);
        unlink(temporary.constData());
        return Staged{{}, {}, reason};
    };
    QString why = produce(fd, temporaryPath);
    if (close(fd) != 0 && why.isEmpty())
        why = systemError(errno);
    if (!why.isEmpty())
        return fail(why);

    // Some writers replace the file they were given: check what is there now.
    const int written = open(temporary.constData(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (written < 0 || fstat(written, &st) != 0)
        return fail(systemError(errno), written);
    const qint64 limit = diskFullAfter;
    if (limit >= 0 && st.st_size > limit)
        return fail(saveFailureReason(systemError(ENOSPC), st.st_size, limit), written);
    if (fsync(written) != 0) {
        const int error = errno;
        return fail(saveFailureReason(systemError(error), st.st_size, freeBytes(target.path)), written);
    }
    if (target.exists) {
        fchmod(written, target.st.st_mode & 07777);
        // Only root may give a file away; the group alone may still be kept.
        if (fchown(written, target.st.st_uid, target.st.st_gid) != 0)
            (void)!fchown(written, uid_t(-1), target.st.st_gid);
    } else {
        fchmod(written, 0666 & ~umaskNow());
    }
    close(written);
    return {temporary, target.path, {}};
}

QString replace(const Staged &s)
{
    const bool refused = replacesBeforeFailure.load() == 0;
    if (replacesBeforeFailure.load() > 0)
        --replacesBeforeFailure;
    if (!refused && rename(s.temporary.constData(), s.target.constData()) == 0)
        return {};
    const int error = refused ? EIO : errno;
    s.drop();
    return systemError(error);
}

Producer bytesProducer(const QString &path, QByteArrayView bytes)
{
    return [path, bytes](int fd, const QString &) -> QString {
        qint64 done = 0;
        const qint64 limit = diskFullAfter;
        while (done < bytes.size()) {
            qint64 chunk = bytes.size() - done;
            if (limit >= 0)
                chunk = std::min(chunk, std::max<qint64>(0, limit - done));
            const ssize_t n = chunk > 0 ? write(fd, bytes.data() + done, size_t(chunk)) : (errno = ENOSPC, -1);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                const int error = n < 0 ? errno : ENOSPC;
                const qint64 available = limit >= 0 ? limit : freeBytes(QFile::encodeName(path)) + done;
                return saveFailureReason(systemError(error), bytes.size(), error == ENOSPC ? available : -1);
            }
            done += n;
        }
        return {};
    };
}

}  // namespace

QString writeWhole(const QString &path, const Producer &produce)
{
    const Staged s = stage(path, produce);
    return s.problem.isEmpty() ? replace(s) : s.problem;
}

QString writeBoth(const QString &path, QByteArrayView bytes, const QString &besidePath, QByteArrayView besideBytes)
{
    const Staged first = stage(path, bytesProducer(path, bytes));
    if (!first.problem.isEmpty())
        return first.problem;
    const Staged beside = stage(besidePath, bytesProducer(besidePath, besideBytes));
    if (!beside.problem.isEmpty()) {
        first.drop();
        return beside.problem;
    }
    // The old file beside stays reachable under a second name until the first
    // is in place; where the file system has no links, its bytes are kept.
    QByteArray kept = beside.temporary + ".old";
    std::optional<QByteArray> keptBytes;
    const bool existed = access(beside.target.constData(), F_OK) == 0;
    if (existed && link(beside.target.constData(), kept.constData()) != 0) {
        kept.clear();
        const InputBytes old = readBounded(QFile::decodeName(beside.target), qint64(64) << 20);
        if (!old.ok()) {
            first.drop(), beside.drop();
            return old.problem.systemError.isEmpty()
                       ? said(QT_TRANSLATE_NOOP("vaz::storage::FileWords", "it cannot be read"))
                       : old.problem.systemError;
        }
        keptBytes = old.bytes;
    }
    auto forget = [&] {
        if (!kept.isEmpty() && existed)
            unlink(kept.constData());
    };
    if (QString why = replace(beside); !why.isEmpty()) {
        first.drop(), forget();
        return why;
    }
    if (QString why = replace(first); !why.isEmpty()) {
        if (!existed)
            unlink(beside.target.constData());
        else if (kept.isEmpty())
            writeWhole(QFile::decodeName(beside.target), *keptBytes);
        else
            // Should even this fail, the old site data stays under the kept name, not lost.
            rename(kept.constData(), beside.target.constData());
        return why;
    }
    forget();
    return {};
}

QString writeWhole(const QString &path, QByteArrayView bytes) { return writeWhole(path, bytesProducer(path, bytes)); }

QString appendLine(const QString &path, QByteArrayView line)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (const QString problem = outputProblem(path); !problem.isEmpty())
        return problem;
    const QByteArray local = QFile::encodeName(path);
    // Non-blocking, so that a pipe put there meanwhile cannot hold the tool.
    const int fd = open(local.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600);
    if (fd < 0)
        return systemError(errno);
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const QString why = S_ISREG(st.st_mode) ? systemError(errno) : kindProblem(st.st_mode);
        close(fd);
        return why;
    }
    const qint64 limit = diskFullAfter;
    const qint64 room = limit >= 0 ? std::max<qint64>(0, limit - st.st_size) : line.size();
    const qint64 chunk = std::min<qint64>(room, line.size());
    ssize_t n = 0;
    do
        n = chunk > 0 ? write(fd, line.data(), size_t(chunk)) : (errno = ENOSPC, -1);
    while (n < 0 && errno == EINTR);
    const int error = n < 0 ? errno : ENOSPC;
    QString why;
    if (n != line.size()) {
        // A torn line would glue the next one to it: cut it off, unless
        // another writer has added to the file since.
        if (n > 0) {
            const off_t end = lseek(fd, 0, SEEK_CUR);
            struct stat now {};
            if (end >= n && fstat(fd, &now) == 0 && now.st_size == end)
                (void)!ftruncate(fd, end - n);
        }
        const qint64 available = limit >= 0 ? room : freeBytes(local);
        why = saveFailureReason(systemError(error), line.size(), error == ENOSPC ? available : -1);
    }
    if (close(fd) != 0 && why.isEmpty())
        why = systemError(errno);
    return why;
}

InputBytes readBounded(const QString &path, qint64 limit, PipeInput pipes)
{
    InputBytes in;
    const QFileInfo info(path);
    in.name = info.fileName().isEmpty() ? path : info.fileName();
    const QByteArray local = QFile::encodeName(path);
    struct stat st {};
    auto failed = [&](Input kind, int error = 0) {
        in.problem = {kind, kind == Input::System ? systemError(error) : QString()};
        return in;
    };
    if (stat(local.constData(), &st) != 0)
        return failed(Input::System, errno);
    const bool pipe = S_ISFIFO(st.st_mode) && pipes == PipeInput::Allowed;
    if (!pipe && kindOf(st.st_mode) != Input::None)
        return failed(kindOf(st.st_mode));
    // Never blocks on a pipe that slipped in between the look and the open.
    const int fd = open(local.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | (pipe ? 0 : O_NONBLOCK));
    if (fd < 0)
        return failed(Input::System, errno);
    if (fstat(fd, &st) != 0 || (!pipe && !S_ISREG(st.st_mode)) || (pipe && !S_ISFIFO(st.st_mode))) {
        close(fd);
        return failed(S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode) ? Input::Changed : kindOf(st.st_mode));
    }
    if (!pipe && st.st_size > limit) {
        close(fd);
        return failed(Input::TooLarge);
    }
    QByteArray bytes(qsizetype(std::min<qint64>(pipe ? 65536 : st.st_size + 1, limit + 1)), Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > limit)
                break;
            bytes.resize(qsizetype(std::min<qint64>(qint64(bytes.size()) * 2, limit + 1)));
        }
        const ssize_t n = read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            close(fd);
            return failed(Input::System, error);
        }
        if (n == 0)
            break;
        done += n;
    }
    close(fd);
    if (done > limit)
        return failed(Input::TooLarge);
    bytes.truncate(qsizetype(done));
    in.bytes = bytes;
    return in;
}

}  // namespace vaz::storage
