#include "comm/PanelLink.h"
#include "model/Codepage.h"

#include "CommTestSupport.h"
#include "support/FakePrompts.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace vaz;
using namespace vaz::comm;
using vaz::sim::PanelSim;
using vaz::test::attach;
using vaz::test::Chunking;
using vaz::test::FakeMessages;
using vaz::test::FakePort;

namespace {

const QString kCommError = QStringLiteral("Communication Error!");

// One engine on a fake line with short waits.
struct Rig {
    explicit Rig(const Config &c, int mcu = 20, int loops = 4) : cfg(c), panel(mcu, loops)
    {
        link.setTimeoutInterval(30);
        link.setIdleBound(200);
        attach(port, panel);
    }
    Config cfg;
    FakePort port;
    PanelSim panel;
    FakeMessages messages;
    PanelLink link{cfg, port, messages};
};

QByteArray record(int l, int a, const char *rest)
{
    return QByteArray::number(l) + '~' + QByteArray::number(a) + '~' + rest;
}

// The upload of sampleConfig as the panel must see it, written out by hand.
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
    if (mcu >= 20) {
        if (rules == 0)
            s += "N~";
        else
            s += "Y~1,1,2,5,:~1,1,2,5,:~}1,2,5,1,5,7,:~:~}2~3~}Rule1~Rule2~}";
    }
    return s;
}

}  // namespace

TEST(Upload, ExactStreamsPerVersion)
{
    const struct {
        int mcu, rules;
    } cases[] = {{12, 0}, {14, 0}, {15, 0}, {20, 0}, {20, 2}};
    for (auto [mcu, rules] : cases) {
        SCOPED_TRACE(testing::Message() << "MCU " << mcu << ", rules " << rules);
        Rig rig(test::sampleConfig(mcu, rules), mcu);
        rig.cfg.GonderimModu = 1;
        rig.link.PaneleGonder();

        EXPECT_EQ(rig.port.written, expectedUpload(mcu, rules));
        EXPECT_TRUE(rig.messages.messages.isEmpty());
        EXPECT_TRUE(rig.link.succeeded());
        EXPECT_EQ(rig.link.statusText(), QStringLiteral("Sending Completed"));
        EXPECT_TRUE(rig.link.okEnabled());
        EXPECT_EQ(rig.cfg.GonderimModu, 0);
        EXPECT_FALSE(rig.port.isOpen());
        EXPECT_TRUE(rig.panel.idle());  // every acknowledgement was awaited in turn

        // What the panel kept comes back as the same configuration.
        Config back;
        ASSERT_TRUE(sim::configFromMemory(rig.panel.memory(), mcu, 4, back, nullptr));
        test::expectCarriedEqual(rig.cfg, back);
    }
}

TEST(Upload, ProgressSweepsTwice)
{
    Rig rig(test::sampleConfig(12, 0), 12);
    QList<int> bar;
    int shown = 0;
    QObject::connect(&rig.link, &PanelLink::progressChanged, [&](int v) { bar << v; });
    QObject::connect(&rig.link, &PanelLink::progressBarShown, [&] { ++shown; });
    QList<bool> ok;
    QObject::connect(&rig.link, &PanelLink::okEnabledChanged, [&](bool e) { ok << e; });
    rig.link.PaneleGonder();

    EXPECT_EQ(shown, 1);
    ASSERT_EQ(bar.size(), 508);  // after each of 507 records, then the reset
    EXPECT_EQ(bar[0], 2);
    EXPECT_EQ(bar[253], 508);
    EXPECT_EQ(bar[254], 1);
    EXPECT_EQ(bar[255], 3);
    EXPECT_EQ(bar[506], 505);
    EXPECT_EQ(bar[507], 0);
    EXPECT_EQ(ok, (QList<bool>{false, true}));
}

TEST(Upload, TimeOutsAndHowOftenTheyAreReported)
{
    constexpr int kRecordAcks = 5080;
    struct Case {
        const char *name;
        int mcu, rules;
        long silentAfter;   // acknowledgements the panel gives
        long dropAck;       // one acknowledgement lost, the panel goes on
        int messages;
        bool closed;
        bool completed;
        const char *writtenEnd;
    };
    const Case cases[] = {
        {"handshake", 20, 2, 0, -1, 1, false, false, "S~A~"},
        {"record", 20, 2, 15, -1, 1, false, false, "1~2~4~5~5~5~"},
        {"settings V1.2", 12, 0, kRecordAcks + 3, -1, 2, true, false, "E~10~20~30~40~"},
        {"settings V2 without rules", 20, 0, kRecordAcks + 3, -1, 3, true, false, "E~10~20~30~40~N~"},
        {"settings V2, rules silent", 20, 2, kRecordAcks + 3, -1, 3, true, false, "40~Y~"},
        {"settings V2, rules answered", 20, 2, -1, kRecordAcks + 7, 1, true, true, "Rule2~}"},
        {"rules", 20, 2, kRecordAcks + 8 + 1 + 2, -1, 2, true, false, "Y~1,1,2,5,:~1,1,2,5,:~}"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(test::sampleConfig(c.mcu, c.rules), c.mcu);
        rig.panel.setSilentAfter(c.silentAfter);
        long acks = 0;
        if (c.dropAck >= 0) {
            rig.port.onWrite = [&rig, &acks, drop = c.dropAck](QByteArrayView bytes) {
                for (char ch : bytes) {
                    const QByteArray a = rig.panel.feed(ch);
                    if (a == "O" && acks++ == drop)
                        continue;
                    rig.port.push(a);
                }
            };
        }
        rig.link.PaneleGonder();

        EXPECT_EQ(rig.messages.messages, QStringList(QList<QString>(c.messages, kCommError)));
        EXPECT_EQ(rig.port.closes, c.closed ? 1 : 0);
        EXPECT_EQ(rig.link.succeeded(), c.completed);
        EXPECT_EQ(rig.link.statusText() == QStringLiteral("Sending Completed"), c.completed);
        EXPECT_TRUE(rig.link.okEnabled());
        EXPECT_EQ(rig.link.IlerlemeSayac(), 0);
        EXPECT_TRUE(rig.port.written.endsWith(c.writtenEnd)) << rig.port.written.right(40).toStdString();
    }
}

TEST(Upload, RefusedBeforeAnythingIsSent)
{
    Config c = test::sampleConfig(20, 2);
    c.SSismi(2) = QStringLiteral("}end");
    Rig rig(c);
    rig.cfg.GonderimModu = 1;
    rig.link.PaneleGonder();
    ASSERT_EQ(rig.messages.messages.size(), 1);
    EXPECT_TRUE(rig.messages.messages[0].contains(QStringLiteral("}end")));
    EXPECT_EQ(rig.port.opens, 0);
    EXPECT_TRUE(rig.port.written.isEmpty());
    EXPECT_FALSE(rig.link.succeeded());
    EXPECT_TRUE(rig.link.okEnabled());
    EXPECT_EQ(rig.cfg.GonderimModu, 0);

    // A port that will not open: one message naming it, then the end.
    Rig closed(test::sampleConfig(12, 0), 12);
    closed.port.failure = BytePort::OpenError::PermissionDenied;
    closed.cfg.SeciliPort = 3;
    closed.cfg.GonderimModu = 1;
    closed.link.runTransfer();
    ASSERT_EQ(closed.messages.messages.size(), 1);
    EXPECT_TRUE(closed.messages.messages[0].contains(QStringLiteral("COM3 (/dev/fake3)")));
    EXPECT_TRUE(closed.port.written.isEmpty());
    EXPECT_NE(closed.link.statusText(), QStringLiteral("Sending Completed"));
    EXPECT_TRUE(closed.link.okEnabled());
}

TEST(Download, RoundTripWhateverTheReadsLookLike)
{
    for (Chunking chunking : {Chunking::Whole, Chunking::Framed, Chunking::Bytes}) {
        SCOPED_TRACE(int(chunking));
        const Config sent = test::sampleConfig(20, 2);
        Rig rig(Config{});
        rig.panel.memory() = sim::memoryFromConfig(sent);
        attach(rig.port, rig.panel, chunking);
        rig.cfg.McuVersiyon = 20;
        rig.cfg.AlmaModu = 1;
        rig.cfg.AdresTablosuHazir = 1;
        QStringList texts;
        QList<int> bar;
        QObject::connect(&rig.link, &PanelLink::statusChanged, [&](const QString &t) {
            if (texts.isEmpty() || texts.last() != t)
                texts << t;
        });
        QObject::connect(&rig.link, &PanelLink::progressChanged, [&](int v) { bar << v; });
        rig.link.runTransfer();

        EXPECT_TRUE(rig.messages.messages.isEmpty());
        EXPECT_TRUE(rig.link.succeeded());
        test::expectCarriedEqual(sent, rig.cfg);
        EXPECT_EQ(rig.cfg.CevrimSayisi, 4);
        EXPECT_EQ(rig.cfg.AlmaModu, 0);
        EXPECT_EQ(rig.cfg.AdresTablosuHazir, 0);
        EXPECT_EQ(rig.link.caption(), QStringLiteral("Receiving Data..."));
        EXPECT_EQ(texts, (QStringList{"Receiving Zone Numbers...", "Receiving Types...",
                                      "Receiving Day Thresholds...", "Receiving Night Thresholds...",
                                      "Receiving Output ByPass Status...", "Receiving Controller Actions...",
                                      "Receiving Location Texts...", "Receiving Data Completed"}));
        ASSERT_EQ(bar.size(), 8 * 508 + 1);
        EXPECT_EQ(bar[507], 508);
        EXPECT_EQ(bar[508], 2);
        EXPECT_EQ(bar[1015], 1);
        EXPECT_EQ(bar.last(), 0);
        // One request before each pass and step, one acknowledgement after each field but the names.
        const int requests = 8 * 509 + 1 + 1 + 9 + (1 + 4 * 2) + 2;
        EXPECT_EQ(rig.port.written, "R~A~" + QByteArray("O~").repeated(requests));
        EXPECT_TRUE(rig.panel.idle());
    }
}

TEST(Download, StoresByTheRulesOfEachField)
{
    Rig rig(Config{}, 12, 4);
    auto &m = rig.panel.memory();
    auto rec = [&](int l, int a) -> auto & { return m.records[(l - 1) * 127 + a - 1]; };
    rec(1, 1)[2] = "5", rec(1, 1)[3] = "5", rec(1, 1)[7] = "32";    // relay controller on fire
    rec(1, 2)[2] = "6", rec(1, 2)[3] = "8", rec(1, 2)[7] = "0";     // sounder controller on fault
    rec(1, 3)[3] = "7", rec(1, 3)[7] = "32";                        // zone monitor
    rec(1, 4)[3] = "1", rec(1, 4)[6] = "64", rec(1, 4)[7] = "64";   // detector: event not kept
    rec(1, 5)[2] = "", rec(1, 5)[9] = "  two  blanks ";             // empty number is 0
    rec(2, 9)[3] = "2";                                             // devices end on loop 2
    m.panelName = "Other";
    Config &c = rig.cfg;
    c.McuVersiyon = 12;
    c.CikisHata(1, 1) = 9, c.CikisYangin(1, 2) = 3, c.OlayTipi(1, 4) = 7, c.BolgeNo(1, 5) = 7;
    c.PanelAdi = QStringLiteral("Keep");
    c.SSsayisi = 1, c.SSismi(1) = QStringLiteral("R");
    rig.link.PaneldenAl();

    ASSERT_TRUE(rig.link.succeeded());
    EXPECT_EQ(c.CikisYangin(1, 1), 5);
    EXPECT_EQ(c.CikisHata(1, 1), 9);
    EXPECT_EQ(c.CikisHata(1, 2), 6);
    EXPECT_EQ(c.CikisYangin(1, 2), 3);
    EXPECT_EQ(c.OlayTipi(1, 3), 32);
    EXPECT_EQ(c.OlayTipi(1, 4), 7);
    EXPECT_EQ(c.GecikmeIptal(1, 4), 64);
    EXPECT_EQ(c.BolgeNo(1, 5), 0);
    EXPECT_EQ(c.MahalText(1, 5), QStringLiteral("  two  blanks "));
    EXPECT_EQ(c.CevrimSayisi, 4);  // the panel's own count has the last word
    // V1.2 carries neither panel name nor rules.
    EXPECT_EQ(c.PanelAdi, QStringLiteral("Keep"));
    EXPECT_EQ(c.SSsayisi, 1);
    EXPECT_EQ(c.SSismi(1), QStringLiteral("R"));
}

TEST(Download, FailuresLeaveTheConfigurationAsItWas)
{
    struct Case {
        const char *name;
        std::function<void(PanelSim &)> spoil;
        QString message;
    };
    const Case cases[] = {
        {"handshake", [](PanelSim &p) { p.setSilentAfter(0); }, kCommError},
        {"silent mid-pass", [](PanelSim &p) { p.setSilentAfter(700); }, kCommError},
        {"zone out of range", [](PanelSim &p) { p.memory().records[300][2] = "70000"; },
         QStringLiteral("\"70000\" as the zone number of loop 3, address 047")},
        {"too many rules",
         [](PanelSim &p) {
             for (auto &s : p.memory().rules)
                 s = QList<QByteArray>(201, "1");
         },
         QStringLiteral("\"201\" as the number of cause-effect rules")},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        Config start = test::sampleConfig(20, 2);
        start.AdresTablosuHazir = 1;
        Rig rig(start);
        rig.panel.memory() = sim::memoryFromConfig(test::sampleConfig(20, 1));
        rig.panel.memory().supplier = "Changed";
        k.spoil(rig.panel);
        rig.cfg.AlmaModu = 1;
        rig.link.PaneldenAl();

        ASSERT_EQ(rig.messages.messages.size(), 1);
        EXPECT_TRUE(rig.messages.messages[0].contains(k.message)) << rig.messages.messages[0].toStdString();
        EXPECT_TRUE(rig.cfg == start);
        EXPECT_FALSE(rig.link.succeeded());
        EXPECT_TRUE(rig.link.okEnabled());
        EXPECT_NE(rig.link.statusText(), QStringLiteral("Receiving Data Completed"));
    }
}

TEST(Transfers, AbortEndsAnyWait)
{
    for (bool upload : {true, false}) {
        SCOPED_TRACE(upload ? "upload" : "download");
        const Config start = test::sampleConfig(20, 2);
        Rig rig(start);
        rig.link.setTimeoutInterval(PanelLink::kTimeoutMs);
        rig.link.setIdleBound(PanelLink::kIdleBoundMs);
        rig.panel.setSilentAfter(upload ? 40 : 400);
        bool finished = true;
        QObject::connect(&rig.link, &PanelLink::finished, [&](bool ok) { finished = ok; });
        QTimer::singleShot(50, &rig.link, [&] { rig.link.abort(); });
        if (upload)
            rig.link.PaneleGonder();
        else
            rig.link.PaneldenAl();

        EXPECT_FALSE(finished);
        EXPECT_FALSE(rig.link.running());
        EXPECT_TRUE(rig.messages.messages.isEmpty());
        EXPECT_TRUE(rig.link.okEnabled());
        EXPECT_TRUE(rig.cfg == start);
    }
}
