#include "CommTestSupport.h"
#include "comm/PanelCompare.h"

namespace vaz::test {
namespace {

using comm::PanelField;

QList<QByteArray> values(const QList<PanelField> &fields)
{
    QList<QByteArray> v;
    for (const PanelField &f : fields)
        v.append(f.value);
    return v;
}

TEST(PanelCompare, APanelThatHoldsTheConfigurationShowsNoDifference)
{
    for (auto [mcu, rules] : {std::pair{12, 0}, {15, 0}, {20, 0}, {20, 1}, {20, 3}}) {
        SCOPED_TRACE(testing::Message() << "MCU " << mcu << ", " << rules << " rules");
        const Config cfg = exampleConfig(mcu, rules);
        const QList<PanelField> tool = comm::expectedDownload(cfg);
        const qsizetype expected = 8 * 508 + 1 + (mcu > 14) + 8 + (mcu >= 20 ? 1 + 4 * rules : 0) + 1;
        ASSERT_EQ(tool.size(), expected);
        EXPECT_TRUE(comm::compareDownload(tool, comm::nameDownload(values(tool), mcu)).isEmpty());
    }
}

TEST(PanelCompare, EachDifferingFieldIsOneRow)
{
    Config cfg = exampleConfig(20, 2);
    QList<QByteArray> panel = values(comm::expectedDownload(cfg));
    // The order: 8 passes over 508 records, names, 8 settings, rule count, 4 rule sections, loop count.
    const int last = 4 * 127 - 1;           // loop 4 address 127
    panel[0] = " 3";                         // zone of loop 1 address 1, written with a blank: the same number
    panel[last] = "47";                      // zone of loop 4 address 127
    panel[7 * 508 + last] = "Roof ";         // its location
    const int rules = 8 * 508 + 2 + 8;
    panel[rules + 1 + 2 + 1] = "5,7,:";      // outputs of rule 2
    panel.last() = "2";                      // loop count

    const auto rows = comm::compareDownload(comm::expectedDownload(cfg), comm::nameDownload(panel, 20));
    ASSERT_EQ(rows.size(), 4);
    auto row = [&](int i) { return QStringList{rows[i].where, rows[i].field, rows[i].tool, rows[i].panel}; };
    EXPECT_EQ(row(0), QStringList({"Loop 4 address 127", "Zone", "48", "47"}));
    EXPECT_EQ(row(1), QStringList({"Loop 4 address 127", "Location", "Roof", "Roof "}));
    EXPECT_EQ(row(2), QStringList({"Cause-effect 2", "Outputs", ":", "5,7,:"}));
    EXPECT_EQ(row(3), QStringList({"Panel", "Loop count", "4", "2"}));

    // A panel with one rule more: the rule's fields exist on the panel's side only.
    Config more = exampleConfig(20, 3);
    const auto extra = comm::compareDownload(comm::expectedDownload(cfg),
                                             comm::nameDownload(values(comm::expectedDownload(more)), 20));
    ASSERT_EQ(extra.size(), 5);
    EXPECT_EQ(extra[0].field, "Cause-effect count");
    EXPECT_EQ(extra[4].where, "Cause-effect 3");
    EXPECT_EQ(extra[4].tool, "");
    EXPECT_EQ(extra[4].panel, "Rule3");
}

TEST(PanelCompare, CsvQuotesEveryFieldAndKeepsTurkishLetters)
{
    const QByteArray csv = comm::differencesCsv({{"Panel", "Panel name", "Blok \"Ç\"", ""}});
    EXPECT_EQ(csv, QByteArray("\xEF\xBB\xBF\"Where\",\"Field\",\"In the tool\",\"In the panel\"\r\n"
                              "\"Panel\",\"Panel name\",\"Blok \"\"\xC3\x87\"\"\",\"\"\r\n"));
}

}  // namespace
}  // namespace vaz::test

