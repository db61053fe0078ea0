// Arbitrary bytes as what a panel sends during a download or a comparison: the
// engine must end, take all of it or none of it, and say why when it takes none.
#include "core/comm/PanelLink.h"
#include "core/comm/TransferWords.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace vaz;
using namespace vaz::comm;

namespace {

// Everything the panel sends is waiting from the start; what the tool writes is dropped.
class Line : public BytePort {
public:
    explicit Line(QByteArrayView bytes) : input_(bytes.toByteArray()) {}
    void setPortNumber(int) override {}
    int portNumber() const override { return 1; }
    QString deviceName() const override { return QStringLiteral("fuzz"); }
    bool open() override { return open_ = true; }
    OpenError openError() const override { return OpenError::None; }
    QString errorString() const override { return {}; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void write(QByteArrayView) override {}
    qint64 bytesAvailable() const override { return input_.size(); }
    QByteArray read(qint64 maxBytes) override
    {
        QByteArray b = input_.left(maxBytes);
        input_.remove(0, b.size());
        return b;
    }

private:
    QByteArray input_;
    bool open_ = false;
};

struct Counted : Messages {
    void message(const QString &) override { ++shown; }
    Answer question(const QString &, const QString &) override { return Answer::No; }
    int shown = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "download_fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    // One configuration for every input, as the tool keeps one for its whole run.
    static Config cfg;

    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (int version : {12, 15, 20})
        for (bool compare : {false, true}) {
            cfg.McuVersiyon = version;
            const Config before = cfg;
            Line line(bytes);
            Counted messages;
            PanelLink link(cfg, line);
            tellFailures(link, messages);
            // The bytes are all there: any wait beyond them ends at once.
            link.setTimeoutInterval(0);
            link.setIdleBound(0);
            compare ? link.PaneliKarsilastir() : link.PaneldenAl();
            if (link.running() || messages.shown != (link.succeeded() ? 0 : 1))
                std::abort();
            if ((compare || !link.succeeded()) && !(cfg == before))
                std::abort();
        }
    return 0;
}
