#include "core/comm/PanelLink.h"
#include "core/comm/TransferWords.h"
#include "core/comm/UploadStream.h"
#include "core/model/Codepage.h"

#include "core/comm/CommTestSupport.h"
#include "support/FakePrompts.h"

#include <QCryptographicHash>
#include <QEventLoop>

using namespace vaz;
using namespace vaz::comm;
using namespace vaz::sim;
using namespace vaz::test;

namespace {

// One engine on a fake line, with short waits unless the defaults are wanted.
struct Rig {
    explicit Rig(const Config &c, int mcu = 20, bool shortWaits = true) : cfg(c), panel(mcu, 4)
    {
        if (shortWaits)
            link.setTimeoutInterval(30), link.setIdleBound(200);
        test::attach(port, panel);
        QObject::connect(&link, &PanelLink::failed,
                         [this](const TransferFailure &f) { messages.message(failureText(f, choice)); });
    }
    // Every answer of the panel goes through `pass`, which may hold it back.
    void filter(std::function<void(const QByteArray &)> pass)
    {
        port.onWrite = [this, pass](QByteArrayView bytes) {
            for (char ch : bytes)
                if (const QByteArray a = panel.feed(ch); !a.isEmpty())
                    pass(a);
        };
    }
    Config cfg;
    test::FakePort port;
    PanelSim panel;
    test::FakeMessages messages;
    DeviceChoice choice = DeviceChoice::OptionsWindow;
    PanelLink link{cfg, port};
};

QByteArray record(int l, int a, const char *rest)
{
    return QByteArray::number(l) + '~' + QByteArray::number(a) + '~' + rest;
}

// The upload of exampleConfig as the panel must see it, written out by hand.
QByteArray expectedUpload(int mcu, int rules)
{
    QByteArray s = "S~A~ACME Yangin~";
    if (mcu > 14)
        s += toCp1254(QStringLiteral("Blok Ç")) + '~';
    QList<QByteArray> records;
    for (int l = 1; l <= 4; ++l)
        for (int a = 1; a <= 127; ++a)
            records << record(l, a, "0~0~5~5~0~0~0~~");
    records[0] = record(1, 1, "3~2~5~5~64~64~0~ Hall ~");  // detector: field 8 repeats the bypass
    records[1] = record(1, 2, "4~5~5~5~0~32~30~~");        // relay on fire
    records[127 + 4] = record(2, 5, "7~6~5~5~64~32~0~~");  // switch monitor: its event type
    records[254] = record(3, 1, "9~8~5~5~0~0~250~~");      // sounder on fault
    records[507] = record(4, 127, "48~9~5~5~0~0~0~Roof~");
    s += records.join("N~");
    s += "E~10~20~30~40~50~60~70~1~";
    if (mcu >= 20)
        s += rules == 0   ? "N~"
             : rules == 1 ? "Y~1,1,2,5,:~}1,2,5,1,5,7,:~}2~}Rule1~}"
                          : "Y~1,1,2,5,:~1,1,2,5,:~}1,2,5,1,5,7,:~:~}2~3~}Rule1~Rule2~}";
    return s;
}

}  // namespace

TEST(Upload, ExactStreamsPerVersion)
{
    for (auto [mcu, rules] : {std::pair{12, 0}, {14, 0}, {15, 0}, {20, 0}, {20, 1}, {20, 2}}) {
        SCOPED_TRACE(testing::Message() << "MCU " << mcu << ", rules " << rules);
        Rig rig(exampleConfig(mcu, rules), mcu);
        QList<int> bar;
        QObject::connect(&rig.link, &PanelLink::progressChanged, [&](int v) { bar << v; });
        rig.link.PaneleGonder();

        EXPECT_EQ(rig.port.written, expectedUpload(mcu, rules));
        // The fingerprint is of exactly these bytes, though no port was near it.
        EXPECT_EQ(panelFingerprint(rig.cfg)->sha256,
                  QCryptographicHash::hash(rig.port.written, QCryptographicHash::Sha256));
        // Every acknowledgement was awaited in turn: the panel is idle.
        EXPECT_EQ((QList<bool>{rig.messages.messages.isEmpty(), rig.link.succeeded(), rig.link.okEnabled(),
                               rig.port.isOpen(), rig.panel.idle()}),
                  (QList<bool>{true, true, true, false, true}));
        // The bar sweeps twice over the 507 records, then stays full until OK.
        ASSERT_EQ(bar.size(), 508);
        EXPECT_EQ((QList<int>{bar[0], bar[253], bar[254], bar[255], bar[506], bar[507]}),
                  (QList<int>{2, 508, 1, 3, 505, 508}));
    }
}

TEST(Upload, TheFirstTimeOutEndsTheUploadWithWhereItStopped)
{
    constexpr int kRecordAcks = 5080;
    const char *kPartial =
        ". The panel may now hold part of the new configuration: upload again before leaving the site.";
    // Version and rules; acknowledgements the panel gives; one acknowledgement lost, the panel going on; what
    // the message holds ("" when it completes); how the stream ends.
    const std::tuple<const char *, int, int, long, long, const char *, const char *> cases[] = {
        {"handshake", 20, 2, 0, -1,
         "No answer from the panel for 0.03 s at the start of the upload. Nothing was sent. Check the cable, the "
         "port and that the panel is on.",
         "S~A~"},
        {"record", 20, 2, 15, -1, "while sending Loop 1 address 002 (field 16 of 5,101)", "1~2~4~5~5~5~"},
        {"settings V1.2", 12, 0, kRecordAcks + 3, -1, "the panel settings (field 5,084 of 5,088)", "E~10~20~30~40~"},
        {"settings V2 without rules", 20, 0, kRecordAcks + 3, -1, "(field 5,084 of 5,088)", "E~10~20~30~40~"},
        {"one acknowledgement lost", 20, 2, -1, kRecordAcks + 7, "(field 5,088 of 5,101)", "70~1~"},
        {"rules", 20, 2, kRecordAcks + 8 + 1 + 2, -1, "the cause-effect rules (field 5,092 of 5,101)",
         "Y~1,1,2,5,:~1,1,2,5,:~}"},
        {"complete", 20, 2, -1, -1, "", "Rule2~}"},
    };
    for (auto [name, mcu, rules, silentAfter, dropAck, message, writtenEnd] : cases) {
        SCOPED_TRACE(name);
        Rig rig(exampleConfig(mcu, rules), mcu);
        rig.panel.setSilentAfter(silentAfter);
        long acks = 0;
        if (dropAck >= 0)
            rig.filter([&rig, &acks, drop = dropAck](const QByteArray &a) {
                if (!(a == "O" && acks++ == drop))
                    rig.port.push(a);
            });
        rig.link.PaneleGonder();

        const bool completed = !*message;
        const QString said = rig.messages.messages.join('|');
        EXPECT_TRUE(completed ? said.isEmpty()
                              : said.contains(message) && !said.contains('|') &&
                                    (said.contains("Nothing was sent") || said.endsWith(kPartial)))
            << said.toStdString();
        EXPECT_EQ(statusText(Transfer::Upload, rig.link.status()),
                  completed ? "Sending Completed" : "Sending Not Completed");
        EXPECT_EQ((QList<int>{rig.port.closes, rig.link.succeeded(), rig.link.okEnabled(), rig.link.IlerlemeSayac()}),
                  (QList<int>{completed, completed, true, 0}));
        EXPECT_TRUE(rig.port.written.endsWith(writtenEnd)) << rig.port.written.right(40).toStdString();
    }
}

TEST(Download, RoundTripWhateverTheReadsLookLike)
{
    for (Chunking chunking : {Chunking::Whole, Chunking::Framed, Chunking::Bytes}) {
        const int rules = int(chunking);  // none: the loop count follows the rule count at once
        SCOPED_TRACE(rules);
        const Config sent = exampleConfig(20, rules);
        Rig rig(Config{});
        rig.panel.memory() = sim::memoryFromConfig(sent);
        test::attach(rig.port, rig.panel, chunking);
        rig.cfg.McuVersiyon = 20;
        QStringList texts;
        QList<int> bar;
        QObject::connect(&rig.link, &PanelLink::statusChanged, [&](const TransferStatus &s) {
            if (const QString t = statusText(Transfer::Download, s); texts.isEmpty() || texts.last() != t)
                texts << t;
        });
        QObject::connect(&rig.link, &PanelLink::progressChanged, [&](int v) { bar << v; });
        rig.link.runTransfer(Transfer::Download);

        EXPECT_TRUE(rig.messages.messages.isEmpty() && rig.link.succeeded());
        test::expectCarriedEqual(sent, rig.cfg);
        EXPECT_EQ(rig.cfg.CevrimSayisi, 4);
        EXPECT_EQ(texts, (QStringList{"Receiving Zone Numbers...", "Receiving Types...", "Receiving Day Thresholds...",
                                      "Receiving Night Thresholds...", "Receiving Output ByPass Status...",
                                      "Receiving Controller Actions...", "Receiving Location Texts...",
                                      "Receiving Data Completed"}));
        ASSERT_EQ(bar.size(), 8 * 508 + 2);
        EXPECT_EQ((QList<int>{bar[507], bar[508], bar[1015], bar[8 * 508], bar.last()}),
                  (QList<int>{508, 2, 1, 0, 508}));
        // One request before each pass and step, one acknowledgement after each field but the names.
        const int requests = 8 * 509 + 1 + 1 + 9 + (1 + 4 * rules) + 2;
        EXPECT_EQ(rig.port.written, "R~A~" + QByteArray("O~").repeated(requests));
        EXPECT_TRUE(rig.panel.idle());
    }
}

TEST(Download, StoresByTheRulesOfEachField)
{
    Rig rig(Config{}, 12);
    auto &m = rig.panel.memory();
    auto rec = [&](int l, int a) -> auto & { return m.records[(l - 1) * 127 + a - 1]; };
    rec(1, 1)[2] = "5", rec(1, 1)[3] = "5", rec(1, 1)[7] = "32";    // relay controller on fire
    rec(1, 2)[2] = "6", rec(1, 2)[3] = "8", rec(1, 2)[7] = "0";     // sounder controller on fault
    rec(1, 3)[3] = "7", rec(1, 3)[7] = "32";                        // zone monitor
    rec(1, 4)[3] = "1", rec(1, 4)[6] = "64", rec(1, 4)[7] = "64";   // detector: event not kept
    rec(1, 5)[2] = "", rec(1, 5)[9] = "  two  blanks ";             // empty number is 0
    rec(1, 6)[2] = "2.5", rec(1, 6)[3] = "5", rec(1, 6)[7] = "16";  // neither fire nor fault
    rec(4, 127)[3] = "9", rec(4, 127)[9] = "Last", m.panelName = "Other";
    Config &c = rig.cfg;
    c.McuVersiyon = 12, c.PanelAdi = QStringLiteral("Keep");
    c.CikisHata(1, 1) = 9, c.CikisYangin(1, 2) = 3, c.OlayTipi(1, 4) = 7, c.BolgeNo(1, 5) = 7, c.CikisYangin(1, 6) = 3;
    c.SSsayisi = 1, c.SSismi(1) = QStringLiteral("R");
    rig.link.PaneldenAl();

    ASSERT_TRUE(rig.link.succeeded());
    EXPECT_EQ((QList<int>{c.CikisYangin(1, 1), c.CikisHata(1, 1), c.CikisHata(1, 2), c.CikisYangin(1, 2),
                          c.OlayTipi(1, 3), c.OlayTipi(1, 4), c.GecikmeIptal(1, 4), c.BolgeNo(1, 5), c.BolgeNo(1, 6),
                          c.CikisYangin(1, 6), c.CikisHata(1, 6), c.CihazTipi(4, 127)}),
              (QList<int>{5, 0, 6, 0, 32, 7, 64, 0, 2, 3, 0, 9}))
        << "Fire and Fault each clear the other; neither leaves both";
    EXPECT_EQ(c.CevrimSayisi, 4);  // the panel's own count has the last word
    EXPECT_EQ((QStringList{c.MahalText(1, 5), c.MahalText(4, 127)}), (QStringList{"  two  blanks ", "Last"}));
    // V1.2 carries neither panel name nor rules.
    EXPECT_EQ((QStringList{c.PanelAdi, c.SSismi(1)}), (QStringList{"Keep", "R"}));
}

TEST(Transfers, FailuresLeaveTheConfigurationAsItWas)
{
    const struct {
        const char *name;
        std::function<void(Rig &)> spoil;
        QString message;
        Transfer transfer = Transfer::Download;
    } cases[] = {
        {"port that cannot open", [](Rig &r) { r.port.failure = BytePort::OpenError::PermissionDenied; },
         QStringLiteral("Cannot open port COM3 (/dev/fake3): Permission denied.\nYour user may not be allowed")},
        // The windows name the device under File > Options, the command line with --port.
        {"device missing", [](Rig &r) { r.port.failure = BytePort::OpenError::NotFound; },
         QStringLiteral("plug it in and choose its device for COM3 under File > Options.")},
        {"device missing, command line",
         [](Rig &r) {
             r.port.failure = BytePort::OpenError::NotFound;
             r.choice = DeviceChoice::PortOption;
         },
         QStringLiteral("plug it in and use --port with its device.")},
        {"adapter unplugged, command line",
         [](Rig &r) {
             r.port.gone = true;
             r.choice = DeviceChoice::PortOption;
         },
         QStringLiteral("disconnected at the start of the download. The configuration in the tool is unchanged. Plug "
                        "the adapter in again and use --port with its device.")},
        {"handshake", [](Rig &r) { r.panel.setSilentAfter(0); },
         QStringLiteral("No answer from the panel for 0.03 s at the start of the download. The configuration in the "
                        "tool is unchanged.")},
        {"silent mid-pass", [](Rig &r) { r.panel.setSilentAfter(700); },
         QStringLiteral("No answer from the panel for 0.2 s while receiving Loop 2 address 066, Type (field 701). The "
                        "configuration in the tool is unchanged.")},
        {"zone out of range", [](Rig &r) { r.panel.memory().records[300][2] = "70000"; },
         QStringLiteral("\"70000\" as the zone number of loop 3, address 047")},
        {"last device out of range", [](Rig &r) { r.panel.memory().records[507][2] = "32768"; },
         QStringLiteral("\"32768\" as the zone number of loop 4, address 127")},
        {"too many rules", [](Rig &r) { r.panel.memory().rules.fill(QList<QByteArray>(201, "1")); },
         QStringLiteral("\"201\" as the number of cause-effect rules")},
        {"endless field", [](Rig &r) { r.panel.memory().records[3][9] = QByteArray(5000, 'x'); },
         QStringLiteral("more than 4096 characters without a separator for Loop 1 address 004, Location")},
        {"refused comparison", [](Rig &r) { r.panel.memory().records[300][2] = "70000"; },
         QStringLiteral("Comparison refused: the panel sent \"70000\" as the zone number of loop 3, address 047, "
                        "which does not fit. The configuration was not changed."),
         Transfer::Compare},
        // Refused before the port is opened.
        {"upload of a text that breaks the framing", [](Rig &r) { r.cfg.SSismi(2) = QStringLiteral("}end"); },
         QStringLiteral("}end"), Transfer::Upload},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        Rig rig(exampleConfig(20, 2));
        rig.panel.memory() = sim::memoryFromConfig(exampleConfig(20, 1)), rig.panel.memory().supplier = "Changed";
        k.spoil(rig);
        const Config before = rig.cfg;
        rig.link.runTransfer(k.transfer, 3);

        ASSERT_EQ(rig.messages.messages.size(), 1);
        EXPECT_TRUE(rig.messages.messages[0].contains(k.message)) << rig.messages.messages[0].toStdString();
        EXPECT_TRUE(rig.cfg == before && !rig.link.succeeded() && rig.link.okEnabled());
        EXPECT_EQ(rig.port.opens, k.transfer == Transfer::Upload ? 0 : 1);
    }
}

TEST(Transfers, AbortEndsAnyWaitAndTheDefaultWaitsOutlastASlowPanel)
{
    for (bool upload : {true, false}) {
        SCOPED_TRACE(upload ? "upload" : "download");
        const Config start = exampleConfig(20, 2);
        Rig aborted(start, 20, false);
        aborted.panel.setSilentAfter(upload ? 40 : 400);
        bool finished = true;
        QObject::connect(&aborted.link, &PanelLink::finished, [&](bool ok) { finished = ok; });
        QTimer::singleShot(50, &aborted.link, [&] { aborted.link.abort(); });
        upload ? aborted.link.PaneleGonder() : aborted.link.PaneldenAl();
        EXPECT_FALSE(finished || aborted.link.running());
        EXPECT_TRUE(aborted.messages.messages.isEmpty() && aborted.link.okEnabled() && aborted.cfg == start);

        // One answer late, 4 s on upload and 6 s on download: each default wait is longer.
        Rig slow(exampleConfig(20, 1), 20, false);
        slow.panel.memory() = sim::memoryFromConfig(start);
        int answers = 0;
        slow.filter([&slow, &answers, upload](const QByteArray &a) {
            if (++answers == 3)
                QTimer::singleShot(upload ? 4000 : 6000, &slow.port, [&slow, a] { slow.port.push(a); });
            else
                slow.port.push(a);
        });
        upload ? slow.link.PaneleGonder() : slow.link.PaneldenAl();
        EXPECT_TRUE(slow.link.succeeded()) << slow.messages.messages.join('\n').toStdString();
        EXPECT_EQ(slow.cfg.SSsayisi, upload ? 1 : 2);

        // Held up past every wait (a question on screen) while the panel went on answering.
        Rig held(exampleConfig(20, 1));
        held.panel.memory() = sim::memoryFromConfig(start);
        QTimer::singleShot(20, &held.link, [] {
            QEventLoop hold;
            QTimer::singleShot(400, &hold, &QEventLoop::quit);
            hold.exec();
        });
        upload ? held.link.PaneleGonder() : held.link.PaneldenAl();
        EXPECT_TRUE(held.link.succeeded()) << held.messages.messages.join('\n').toStdString();

        if (upload)
            continue;
        // Slow answers after the handshake, each well within the idle bound, together far past it.
        Rig steady(exampleConfig(20, 1));
        int n = 0;
        steady.filter([&steady, &n](const QByteArray &a) {
            QTimer::singleShot(++n > 2 && n < 42 ? 20 : 0, &steady.port, [&steady, a] { steady.port.push(a); });
        });
        steady.link.PaneldenAl();
        EXPECT_TRUE(steady.link.succeeded()) << steady.messages.messages.join('\n').toStdString();
    }
}
