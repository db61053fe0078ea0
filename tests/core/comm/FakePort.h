#pragma once

#include "core/comm/BytePort.h"

#include <QTimer>

#include <deque>
#include <functional>

namespace vaz::test {

// An in-process line. What the tool writes is recorded and handed to onWrite;
// what the panel sends arrives in the chunks given to push, each on its own
// turn of the event loop, the way a serial driver delivers reads.
class FakePort : public comm::BytePort {
public:
    FakePort()
    {
        delivery_.setSingleShot(true);
        connect(&delivery_, &QTimer::timeout, this, [this] {
            if (chunks_.empty())
                return;
            input_ += chunks_.front();
            chunks_.pop_front();
            if (!chunks_.empty())
                delivery_.start(0);
            emit readyRead();
        });
    }

    void setPortNumber(int n) override { number = n; }
    int portNumber() const override { return number; }
    QString deviceName() const override { return QStringLiteral("/dev/fake%1").arg(number); }
    bool open() override { return ++opens, opened = failure == OpenError::None; }
    OpenError openError() const override { return failure; }
    QString errorString() const override { return QStringLiteral("Permission denied"); }
    void close() override { opened = false, ++closes; }
    bool isOpen() const override { return opened; }
    bool lost() const override { return gone; }
    void write(QByteArrayView bytes) override
    {
        written += bytes;
        if (onWrite)
            onWrite(bytes);
    }
    qint64 bytesAvailable() const override { return input_.size(); }
    QByteArray read(qint64 maxBytes) override
    {
        QByteArray b = input_.left(maxBytes);
        input_.remove(0, b.size());
        return b;
    }

    void push(const QByteArray &chunk)
    {
        if (chunk.isEmpty())
            return;
        chunks_.push_back(chunk);
        if (!delivery_.isActive())
            delivery_.start(0);
    }

    int number = 1;
    bool opened = false, gone = false;
    int opens = 0, closes = 0;
    OpenError failure = OpenError::None;
    QByteArray written;
    std::function<void(QByteArrayView)> onWrite;

private:
    QByteArray input_;
    std::deque<QByteArray> chunks_;
    QTimer delivery_;
};

}  // namespace vaz::test
