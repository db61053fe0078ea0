#pragma once

// What a careless or hostile user may hand the tool instead of a file, made in
// a temporary folder, never in system paths.

#include "support/ExampleConfig.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace vaz::test {

inline QByteArray local(const QString &path) { return QFile::encodeName(path); }

struct HostileFiles {
    // suffix: what the names end in, for writers that go by it.
    explicit HostileFiles(const QDir &dir, const QString &suffix = {})
        : pipe(dir.filePath("pipe" + suffix)),
          device(dir.filePath("null" + suffix)),
          zero(dir.filePath("zero" + suffix)),
          folder(dir.filePath("folder" + suffix)),
          readOnly(dir.filePath("readonly" + suffix)),
          dangling(dir.filePath("dangling" + suffix)),
          linkToPipe(dir.filePath("link-to-pipe" + suffix))
    {
        mkfifo(local(pipe).constData(), 0644);
        // Device nodes need root; without them those cases are skipped.
        haveDevices = mknod(local(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0 &&
                      mknod(local(zero).constData(), S_IFCHR | 0666, makedev(1, 5)) == 0;
        dir.mkdir("folder" + suffix);
        writeBytes(readOnly, "old");
        chmod(local(readOnly).constData(), 0444);
        symlink(local(dir.filePath("nowhere")).constData(), local(dangling).constData());
        symlink(local(pipe).constData(), local(linkToPipe).constData());
    }
    // What each is now: a refused write must leave it as it was.
    static mode_t kind(const QString &path)
    {
        struct stat st {};
        return lstat(local(path).constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
    }
    QString pipe, device, zero, folder, readOnly, dangling, linkToPipe;
    bool haveDevices = false;
};

// A tmpfs of a few kilobytes on a folder of its own, for as long as it lives;
// mounted() is false where the test may not mount one.
class SmallDisk {
public:
    SmallDisk(const QDir &dir, int kilobytes) : path_(dir.filePath("small"))
    {
        dir.mkdir("small");
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        mounted_ = mount("tmpfs", local(path_).constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            umount(local(path_).constData());
    }
    bool mounted() const { return mounted_; }
    QString filePath(const QString &name) const { return path_ + u'/' + name; }
    QString path() const { return path_; }

private:
    QString path_;
    bool mounted_ = false;
};

}  // namespace vaz::test
