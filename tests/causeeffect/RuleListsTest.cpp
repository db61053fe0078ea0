#include "causeeffect/RuleLists.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vaz;

namespace {

QString b(int n) { return QString(n, u' '); }

// Loops 1 to 3 full of photo-electric detectors (381 inputs), sounder
// controllers at loop 4 addresses 1 to 3 and a heat detector at loop 4, 100.
std::unique_ptr<Config> manyDevices()
{
    auto cfg = std::make_unique<Config>();
    for (int loop = 1; loop <= 3; ++loop)
        for (int a = 1; a <= kAddresses; ++a) {
            cfg->CihazTipi(loop, a) = 2;
            cfg->BolgeNo(loop, a) = 1 + a % 48;
        }
    for (int a = 1; a <= 3; ++a)
        cfg->CihazTipi(4, a) = 8;
    cfg->CihazTipi(4, 100) = 4;
    cfg->SSyeniIsim = QStringLiteral("R");
    SSyerAl(*cfg, cfg->SSyeniIsim);
    return cfg;
}

QList<int> rows(int from, int to)
{
    QList<int> r;
    for (int i = from; i <= to; ++i)
        r << i;
    return r;
}

}  // namespace

TEST(RuleLists, EntryTexts)
{
    const struct {
        int loop, address, zone, type;
        QString text;
    } cases[] = {
        {2, 100, 12, 8, " 2" + b(17) + " 100" + b(18) + " 12" + b(29) + "Sounder controller"},
        {1, 5, 3, 2, " 1" + b(21) + " 5" + b(20) + " 3" + b(29) + "Photo-elec. smoke det."},
        {4, 45, 0, 9, " 4" + b(19) + " 45" + b(23) + b(29) + "Multisensor"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GirisSatiri(c.loop, c.address, c.zone, c.type), c.text) << c.text.toStdString();

    auto cfg = manyDevices();
    cfg->BolgeNo(1, 5) = 3;
    cfg->BolgeNo(4, 2) = 0;
    cfg->CihazTipi(2, 17) = 0;  // deleted after it was used: listed without a type
    cfg->SSgirisler(1) = "1,5.2,17.4,100.:";
    cfg->SScikislar(1) = "4,2.5,1.5,7.5,9.6,1.:";
    cfg->SSkosul(1) = 2;
    const RuleView v = SSicerikGoruntule(*cfg, 1);
    EXPECT_EQ(v.name, "R");
    EXPECT_EQ(v.condition, "Coincidence");
    EXPECT_EQ(v.inputs, (QStringList{"1" + b(13) + "5" + b(9) + " 3" + b(8) + "Photo-elec. smoke det.",
                                     "2" + b(11) + "17" + b(7) + " 18" + b(8),
                                     "4" + b(9) + "100" + b(12) + b(8) + "Heat det."}));
    // Any address digits but 1 to 6 give the last panel output; loop 6 gives nothing.
    EXPECT_EQ(v.outputs, (QStringList{"4" + b(13) + "2" + b(12) + b(8) + "Sounder controller", "Sounder 1",
                                      "Fault relay", "Fault relay"}));
}

TEST(RuleLists, ViewerReadsBothFormsAndEmptyLists)
{
    auto cfg = manyDevices();
    cfg->SSgirisler(1) = "1,5.2,17.:";
    cfg->SScikislar(1) = ":";
    const RuleView editorForm = SSicerikGoruntule(*cfg, 1);
    EXPECT_EQ(editorForm.inputs.size(), 2);
    EXPECT_TRUE(editorForm.outputs.isEmpty());
    EXPECT_TRUE(editorForm.condition.isEmpty()) << "condition 0";
    cfg->SSgirisler(1) = "1,5,2,17,:";
    EXPECT_EQ(SSicerikGoruntule(*cfg, 1).inputs, editorForm.inputs);
}

TEST(RuleLists, FillingSetsListPositionsByRole)
{
    auto cfg = manyDevices();
    const QStringList in = GirisCihazAl(*cfg);
    ASSERT_EQ(in.size(), 3 * kAddresses + 1);
    EXPECT_EQ(cfg->ListeSirasi(4, 100), in.size());
    EXPECT_EQ(cfg->ListeSirasi(4, 1), 0);
    const QStringList out = CikisCihazAl(*cfg);
    ASSERT_EQ(out.size(), kPanelOutputs + 3);
    EXPECT_EQ(out.mid(4, 3), (QStringList{"Fire relay", "Alarm relay", "Fault relay"}));
    EXPECT_EQ(cfg->ListeSirasi(4, 1), 8);
    EXPECT_EQ(cfg->ListeSirasi(1, 1), 1) << "the input list's position stays";
}

TEST(RuleLists, InputClicksRecordUpTo254)
{
    auto cfg = manyDevices();
    GirisCihazAl(*cfg);

    ListClick c = SSlisteSecimi(*cfg, rows(0, 254));
    EXPECT_TRUE(c.overLimit);
    EXPECT_EQ(cfg->GirisSecildi, 0);
    EXPECT_EQ(SSgirisListesi(*cfg, 1), ":");

    c = SSlisteSecimi(*cfg, rows(1, 254));
    EXPECT_FALSE(c.overLimit);
    EXPECT_EQ(cfg->GirisSecimSayisi, 254);
    EXPECT_EQ(cfg->GirisIsareti(1, 1), 0);
    EXPECT_EQ(cfg->GirisIsareti(3, 1), 1);

    // Entry 300 is the 300th device in order: loop 3, address 46.
    SSlisteSecimi(*cfg, {299});
    EXPECT_EQ(SSgirisListesi(*cfg, 1), "3,46.:");
    SSlisteSecimi(*cfg, {});
    EXPECT_EQ(cfg->GirisSecildi, 0);

    // Without a name nothing is recorded and the count stays.
    cfg->SSyeniIsim.clear();
    c = SSlisteSecimi(*cfg, {0});
    EXPECT_FALSE(c.showCount);
    EXPECT_EQ(cfg->GirisSecildi, 0);
}

TEST(RuleLists, OutputClicksAndStoring)
{
    auto cfg = manyDevices();
    GirisCihazAl(*cfg);
    SSlisteSecimi(*cfg, {kAddresses + 16, 4});  // out of order on purpose
    CikisCihazAl(*cfg);

    EXPECT_FALSE(CikisListeSecimi(*cfg, {}).forward);
    EXPECT_TRUE(CikisListeSecimi(*cfg, {4}).forward);
    KayitlariDuzenle(*cfg);
    EXPECT_EQ(cfg->SSgirisler(1), "1,5.2,17.:");
    EXPECT_EQ(cfg->SScikislar(1), "5,5.:");

    EXPECT_TRUE(CikisListeSecimi(*cfg, {0, 6, 8}).forward);
    KayitlariDuzenle(*cfg);
    EXPECT_EQ(cfg->SScikislar(1), "4,2.5,1.5,7.:");

    // Beyond the limit panel outputs still count, devices do not.
    QList<int> many = rows(0, 254);
    const ListClick c = CikisListeSecimi(*cfg, many);
    EXPECT_TRUE(c.overLimit);
    EXPECT_TRUE(c.forward);
    EXPECT_EQ(SScikisListesi(*cfg, 1), "5,1.5,2.5,3.5,4.5,5.5,6.5,7.:");
}

TEST(RuleLists, SelectAllStopsPastTheLimit)
{
    std::vector<bool> lastSelected(300, false);
    lastSelected.back() = true;
    const struct {
        std::vector<bool> selected;
        SelectAll expected;
    } cases[] = {
        {std::vector<bool>(100, false), {100, false}},
        {std::vector<bool>(254, true), {254, false}},
        {std::vector<bool>(508, false), {255, true}},
        {lastSelected, {254, true}},
    };
    for (const auto &c : cases) {
        const SelectAll s = selectAllPrefix(c.selected);
        EXPECT_EQ(s.leading, c.expected.leading);
        EXPECT_EQ(s.overLimit, c.expected.overLimit);
    }
}

TEST(RuleLists, RuleNamesTheFileAndPanelCanCarry)
{
    for (const QString &ok : {QStringLiteral("Hall 2"), QStringLiteral("Giriş"), QStringLiteral("a}")})
        EXPECT_TRUE(ruleNameProblem(ok).isEmpty()) << ok.toStdString();
    for (const QString &bad : {QStringLiteral("a\"b"), QStringLiteral("~"), QStringLiteral("}a"),
                               QStringLiteral(" }"), QStringLiteral("北"), QStringLiteral("12345678901")})
        EXPECT_FALSE(ruleNameProblem(bad).isEmpty()) << bad.toStdString();
}
