// Arbitrary bytes as a configuration file: the reader and the report must
// either take them or refuse them with a message, never crash or misbehave.
#include "core/storage/ConfigFile.h"
#include "core/storage/FileWords.h"
#include "core/storage/Report.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace vaz;
using namespace vaz::storage;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    static Config cfg;
    for (int version : {12, 15, 20}) {
        cfg.McuVersiyon = version;
        const Config before = cfg;
        const ReadResult read = readConfigBytes(cfg, bytes);
        // Anything but a clean read must leave the configuration as it was.
        if (read.status != ReadStatus::Ok && !(cfg == before))
            std::abort();
        if ((read.status == ReadStatus::Ok) != readText(read).isEmpty())
            std::abort();

        const ReportResult report = reportFromBytes(bytes, QStringLiteral("fuzz.dvk"), version);
        if (report.ok == report.lines.isEmpty() || report.ok != report.message.isEmpty())
            std::abort();
        layoutReport(report.lines);
    }
    return 0;
}
