#include "core/comm/BytePort.h"
#include "core/comm/PanelCompare.h"
#include "core/comm/PanelFields.h"
#include "core/comm/UploadStream.h"
#include "core/comm/TransferWords.h"
#include "adapters/serial/SerialBytePort.h"
#include "core/comm/SerialDevices.h"
#include "support/ExampleConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <map>

namespace {
// While set, every terminal of this program keeps the settings it is given, as
// a serial port does; a pseudo-terminal itself drops parity and data bits.
bool keepLineSettings = false;
std::map<dev_t, termios> kept;

dev_t deviceOf(int fd)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? st.st_rdev : 0;
}
}  // namespace

// These come before the C library's for every caller in the program, Qt included.
extern "C" int tcsetattr(int fd, int action, const termios *t) noexcept
{
    static const auto next = reinterpret_cast<int (*)(int, int, const termios *)>(dlsym(RTLD_NEXT, "tcsetattr"));
    if (keepLineSettings)
        kept[deviceOf(fd)] = *t;
    return next(fd, action, t);
}

extern "C" int tcgetattr(int fd, termios *t) noexcept
{
    static const auto next = reinterpret_cast<int (*)(int, termios *)>(dlsym(RTLD_NEXT, "tcgetattr"));
    const int result = next(fd, t);
    if (const auto k = kept.find(deviceOf(fd)); keepLineSettings && result == 0 && k != kept.end())
        *t = k->second;
    return result;
}
#endif

using namespace vaz;
using namespace vaz::comm;
using vaz::test::exampleConfig;

namespace {

QList<QByteArray> values(const QList<PanelField> &fields)
{
    QList<QByteArray> v;
    for (const PanelField &f : fields)
        v.append(f.value);
    return v;
}

}  // namespace

TEST(PanelFields, NumbersAndListsOnTheWire)
{
    const std::pair<const char *, double> numbers[] = {
        {"12", 12},  {"  12", 12}, {"-5", -5}, {"2.5", 2.5},
        {".5", 0.5}, {"7 sec", 7}, {"1 2", 1},  // only leading blanks are skipped
        {"1E3", 1},  {"", 0},      {"-", 0},   {"x5", 0}};
    for (const auto &[text, value] : numbers)
        EXPECT_EQ(fieldNumber(text), value) << text;
    EXPECT_EQ((QStringList{SSpcTOdorvekc("1,5.2,17.:"), SSpcTOdorvekc(":"), QString::fromLatin1(numberField(-5))}),
              (QStringList{"1,5,2,17,:", ":", "-5"}));

    Config c;
    c.SSsayisi = 1;  // a rule the editor never finished still travels
    EXPECT_EQ((QList<QByteArray>{ruleField(c, 0, 1), ruleField(c, 2, 1)}), (QList<QByteArray>{"", "0"}));
}

TEST(PanelFields, UploadRefusesTextsThatBreakTheFraming)
{
    // Version, change, what the refusal says (nullptr: accepted).
    const std::tuple<int, std::function<void(Config &)>, const char *> cases[] = {
        {20, [](Config &) {}, nullptr},
        {20, [](Config &c) { c.MahalText(2, 7) = QStringLiteral("Stair~B"); },
         "loop 2, address 007 holds the character \"~\""},
        {20, [](Config &c) { c.MahalText(4, 127) = QStringLiteral("~"); }, "loop 4, address 127"},
        {12, [](Config &c) { c.PanelAdi = QStringLiteral("a~b"); },
         nullptr},  // the panel name only travels from V1.5 on
        {20, [](Config &c) { c.PanelAdi = QStringLiteral("a~b"); }, "panel name"},
        {20, [](Config &c) { c.PanelAdi = QStringLiteral("Blok Ç"); }, nullptr},
        {20, [](Config &c) { c.PanelAdi = QStringLiteral("Блок"); }, "\"Б\""},
        {20, [](Config &c) { c.SSismi(2) = QStringLiteral("}Stairs"); }, "rule 2 (\"}Stairs\") begins with \"}\""},
        {20, [](Config &c) { c.SScikislar(2) = QStringLiteral("}"); }, "output list of rule 2"},
        {20, [](Config &c) { c.SSismi(2) = QStringLiteral("Stairs}"); }, nullptr},  // only a leading one ends a section
        {15, [](Config &c) { c.SSismi(2) = QStringLiteral("}x"); }, nullptr},       // no rules below V2
    };
    for (const auto &[mcu, edit, said] : cases) {
        Config c;
        c.McuVersiyon = mcu, c.SSsayisi = 2, edit(c);
        const QString m = refusalText(uploadRefusal(c));
        EXPECT_TRUE(said ? m.contains(QString::fromUtf8(said)) : m.isEmpty()) << m.toStdString();
        EXPECT_EQ(panelFingerprint(c).has_value(), said == nullptr) << "what cannot go has no fingerprint";
    }
}

TEST(PanelFields, FingerprintFollowsWhatThePanelReceivesOnly)
{
    // Change, whether the panel receives it.
    const std::pair<std::function<void(Config &)>, bool> cases[] = {
        {[](Config &c) { c.CevrimSayisi = 2; }, false},
        {[](Config &c) { c.SSgirisler(1) = QStringLiteral("1,1,2,5,:"); }, false},  // the panel's own form
        {[](Config &c) { c.MahalText(4, 127) = QStringLiteral("Roog"); }, true},
        {[](Config &c) { c.SSkosul(2) = 1; }, true},
        {[](Config &c) { c.McuVersiyon = 15; }, true},
    };
    const Config base = exampleConfig(20);
    const Fingerprint before = *panelFingerprint(base);
    EXPECT_EQ(before.shown(), QStringLiteral("V2.0 ") + before.hex().left(4) + u'-' + before.hex().mid(4, 4) + u'-' +
                                  before.hex().mid(8, 4) + u'-' + before.hex().mid(12, 4));
    for (const auto &[edit, received] : cases) {
        Config c = base;
        edit(c);
        EXPECT_EQ(panelFingerprint(c)->hex() != before.hex(), received) << panelFingerprint(c)->shown().toStdString();
    }
}

// What the panel sends beyond the fields' range is refused; zones and the rule
// count are refused through the wire in the download tests.
TEST(PanelFields, DownloadStoreRefusesSettingsAndCountsItCannotHold)
{
    Config c;
    DownloadStore s(c);
    EXPECT_TRUE(s.ruleCount("200") && !s.setting(7, "-40000") &&
                refusalText(s.refusal()).contains(QStringLiteral("ringing mode")) && !s.ruleCount("-1"));
}

// A device set in the environment is used through the comm window's missing-port test.
TEST(PortNames, AnEmptyOrMissingVariableMeansTheStandardDevice)
{
#ifndef Q_OS_WIN
    qputenv("VAZ_COM2", "");
    const QString empty = portDevice(2);
    qunsetenv("VAZ_COM2");
    EXPECT_EQ((QStringList{empty, portDevice(2)}), QStringList(2, "/dev/ttyS1"));
    // An adapter's latency timer, read through the name its device resolves to.
    QTemporaryDir sys;
    for (const auto &[path, text] : {std::pair{"ttyUSB3/device/latency_timer", "16\n"}, {"dev/ttyUSB3", ""}})
        ASSERT_TRUE(QDir().mkpath(QFileInfo(sys.filePath(path)).path()) && test::writeBytes(sys.filePath(path), text));
    QFile::link(sys.filePath("dev/ttyUSB3"), sys.filePath("dev/by-id-adapter"));
    EXPECT_EQ(latencyTimer(sys.filePath("dev/by-id-adapter"), sys.path()), 16);
    EXPECT_EQ(latencyTimer(sys.filePath("dev/none"), sys.path()), std::nullopt);
#else
    EXPECT_EQ(portDevice(3), QStringLiteral("COM3"));
#endif
}

TEST(SerialLine, OpensAt9600BaudEightDataBitsNoParityOneStopBit)
{
#ifndef Q_OS_WIN
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
    const QByteArray device = ptsname(master);
    const int pty = ::open(device.constData(), O_RDWR | O_NOCTTY);
    keepLineSettings = true;
    termios t{};
    ASSERT_TRUE(pty >= 0 && tcgetattr(pty, &t) == 0);
    // Settings unlike the panel's beforehand, so that each one has to be made.
    cfsetspeed(&t, B19200);
    t.c_cflag = (t.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB;
    ASSERT_EQ(tcsetattr(pty, TCSANOW, &t), 0);

    SerialBytePort port;
    port.setDevice(QString::fromLocal8Bit(device));
    ASSERT_TRUE(port.open()) << port.errorString().toStdString();
    ASSERT_EQ(tcgetattr(pty, &t), 0);
    EXPECT_EQ((QList<unsigned>{unsigned(cfgetispeed(&t)), unsigned(cfgetospeed(&t)),
                               unsigned(t.c_cflag & (CSIZE | PARENB | CSTOPB))}),
              (QList<unsigned>{B9600, B9600, CS8}));
    port.close();
    keepLineSettings = false;
    ::close(pty);
    ::close(master);
#endif
}

TEST(PanelCompare, APanelThatHoldsTheConfigurationShowsNoDifference)
{
    for (auto [mcu, rules] : {std::pair{12, 0}, {15, 0}, {20, 0}, {20, 1}, {20, 3}}) {
        SCOPED_TRACE(testing::Message() << "MCU " << mcu << ", " << rules << " rules");
        const Config cfg = exampleConfig(mcu, rules);
        const QList<PanelField> tool = expectedDownload(cfg);
        const qsizetype expected = 8 * 508 + 1 + (mcu > 14) + 8 + (mcu >= 20 ? 1 + 4 * rules : 0) + 1;
        ASSERT_EQ(tool.size(), expected);
        EXPECT_TRUE(compareDownload(tool, nameDownload(values(tool), mcu)).isEmpty());
    }
}

TEST(PanelCompare, EachDifferingFieldIsOneRow)
{
    Config cfg = exampleConfig(20, 2);
    QList<QByteArray> panel = values(expectedDownload(cfg));
    // The order: 8 passes over 508 records, names, 8 settings, rule count, 4 rule sections, loop count.
    const int last = 4 * 127 - 1;     // loop 4 address 127
    panel[0] = " 3";                  // zone of loop 1 address 1, written with a blank: the same number
    panel[last] = "47";               // zone of loop 4 address 127
    panel[7 * 508 + last] = "Roof ";  // its location
    const int rules = 8 * 508 + 2 + 8;
    panel[rules + 1 + 2 + 1] = "5,7,:";  // outputs of rule 2
    panel.last() = "2";                  // loop count

    const auto rows = compareDownload(expectedDownload(cfg), nameDownload(panel, 20));
    QStringList got;
    for (const auto &r : rows)
        got << QStringList{r.where, r.field, r.tool, r.panel}.join(u'|');
    EXPECT_EQ(got, (QStringList{"Loop 4 address 127|Zone|48|47", "Loop 4 address 127|Location|Roof|Roof ",
                                "Cause-effect 2|Outputs|:|5,7,:", "Panel|Loop count|4|2"}));

    // One rule more on either side: the rule's fields exist on that side only.
    const Config more = exampleConfig(20, 3);
    for (const bool panelHasMore : {true, false}) {
        const Config &tool = panelHasMore ? cfg : more, &other = panelHasMore ? more : cfg;
        const auto extra = compareDownload(expectedDownload(tool), nameDownload(values(expectedDownload(other)), 20));
        ASSERT_EQ(extra.size(), 5);
        EXPECT_EQ((QStringList{extra[0].field, extra[4].where, extra[4].tool + u'|' + extra[4].panel}),
                  (QStringList{"Cause-effect count", "Cause-effect 3", panelHasMore ? "|Rule3" : "Rule3|"}));
    }

    // Saved as CSV: every field quoted, Turkish letters kept, no formula a spreadsheet would run.
    const QByteArray csv =
        differencesCsv({{"Panel", "Panel name", "Blok \"Ç\"", ""}, {"Loop 1 address 001", "Zone", "@SUM(A1)", "-12"}});
    EXPECT_EQ(csv, QByteArray("\xEF\xBB\xBF\"Where\",\"Field\",\"In the tool\",\"In the panel\"\r\n"
                              "\"Panel\",\"Panel name\",\"Blok \"\"\xC3\x87\"\"\",\"\"\r\n"
                              "\"Loop 1 address 001\",\"Zone\",\"'@SUM(A1)\",\"-12\"\r\n"));
}
