#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// Every file the tool writes goes through writeWhole (a log through
// appendLine): a failed write leaves what was there. Every file it reads goes
// through readBounded: a pipe or a device never hangs it, and nothing larger
// than its limit is read.
namespace vaz::storage {

// Why path cannot take an output: a folder, pipe, device, socket, a link to
// nothing or to anything but a file, a read-only file. Empty when it can.
QString outputProblem(const QString &path);

// Makes a temporary file beside the target, lets produce fill it (through
// the descriptor, or by its path for writers that open files themselves;
// produce returns the reason for the user when it failed), checks that it
// reached the disk, then puts it in the target's place, keeping a replaced
// file's mode, owner and group. A link is followed to its file. On any failure
// the target stays as it was, the temporary file is gone, and the reason is
// returned; empty on success.
using Producer = std::function<QString(int fd, const QString &temporaryPath)>;
QString writeWhole(const QString &path, const Producer &produce);
QString writeWhole(const QString &path, QByteArrayView bytes);

// Two files that belong together: both are written to temporary files first,
// then besidePath is replaced, then path; when path cannot be replaced the
// old file at besidePath is put back. On any failure both stay as they were.
QString writeBoth(const QString &path, QByteArrayView bytes, const QString &besidePath, QByteArrayView besideBytes);

// A log is added to, never rewritten: line (its line end included) goes to the
// end of path in one write, which the system keeps whole against other
// writers. The folder is made if missing, a new file is readable by its owner
// only. A write that fails part way is cut off again, so the file stays as it
// was; the reason is returned, empty on success.
QString appendLine(const QString &path, QByteArrayView line);

// Tests: every write after `bytes` bytes fails as on a full disk that had that
// much room; < 0 ends it.
void simulateDiskFullAfter(qint64 bytes);
// Tests: the replacement of a target by its written file fails after this
// many have succeeded; < 0 ends it.
void simulateReplaceFailureAfter(int replaces);

// Why a write failed, for the message: error as the system gave it, unless the
// file (needed bytes) does not fit the free space (available; < 0: unknown).
QString saveFailureReason(const QString &error, qint64 needed, qint64 available);

enum class PipeInput { Refused, Allowed };

// Why a file was not read, as values; core/storage/FileWords words it.
struct InputProblem {
    enum class Kind { None, System, Folder, Pipe, Device, Socket, NotAFile, Changed, TooLarge };
    Kind kind = Kind::None;
    QString systemError;  // System: as the system gave it
};

struct InputBytes {
    QByteArray bytes;
    QString name;  // the file's name for messages
    InputProblem problem;
    bool ok() const { return problem.kind == InputProblem::Kind::None; }
};

// The bytes of a regular file (or, when allowed, a pipe, read once) of at most
// limit bytes; a regular file's size is checked before anything is read. A
// pipe is refused in the windows: nobody may be writing to it, and a window
// must never wait.
InputBytes readBounded(const QString &path, qint64 limit, PipeInput pipes = PipeInput::Refused);

}  // namespace vaz::storage
