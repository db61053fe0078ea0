#include "core/causeeffect/RuleLists.h"
#include "core/causeeffect/Rules.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <tuple>

using namespace vaz;

namespace {
std::unique_ptr<Config> withRules(int n)
{
    auto cfg = std::make_unique<Config>();
    for (int r = 1; r <= n; ++r) {
        EXPECT_TRUE(SSyerAl(*cfg, " R" + QString::number(r) + " "));
        cfg->SSgirisler(r) = QString("1,%1.:").arg(r % 127 + 1), cfg->SScikislar(r) = "5,1.:";
        cfg->SSkosul(r) = 1 + r % 3;
    }
    return cfg;
}

QString b(int n) { return QString(n, u' '); }

// Loops 1 to 3 full of photo-electric detectors (381 inputs), sounder
// controllers at loop 4 addresses 1 to 3 and a heat detector at loop 4, 100.
std::unique_ptr<Config> manyDevices()
{
    auto cfg = std::make_unique<Config>();
    for (int loop = 1; loop <= 3; ++loop)
        for (int a = 1; a <= kAddresses; ++a)
            cfg->CihazTipi(loop, a) = 2, cfg->BolgeNo(loop, a) = 1 + a % 48;
    for (int a = 1; a <= 3; ++a)
        cfg->CihazTipi(4, a) = 8;
    cfg->CihazTipi(4, 100) = 4;
    SSyerAl(*cfg, QStringLiteral("R"));
    return cfg;
}

}  // namespace

TEST(Rules, TakeGiveBackDeleteAndFind)
{
    auto cfg = withRules(1);
    EXPECT_EQ(cfg->SSismi(1), "R1");  // blanks trimmed
    SSyerBirak(*cfg);
    SSyerBirak(*cfg);  // nothing left to give back
    EXPECT_TRUE(cfg->SSsayisi == 0 && cfg->SSismi(1).isEmpty());

    auto full = withRules(200);
    const Config before = *full;
    EXPECT_TRUE(!SSyerAl(*full, "R201") && *full == before);
    // Deleting moves the later rules down, from either end and the middle.
    SSsil(*full, 200);
    EXPECT_TRUE(full->SSismi(200).isEmpty() && full->SSgirisler(200).isEmpty() && full->SSkosul(200) == 0);
    SSsil(*full, 100), SSsil(*full, 1);
    EXPECT_EQ((QStringList{full->SSismi(1), full->SSismi(99), full->SSismi(197), full->SSgirisler(197)}),
              (QStringList{"R2", "R101", "R199", "1,73.:"}));
    EXPECT_EQ(full->SSkosul(1), 3);
    EXPECT_THROW(SSsil(*full, 0), RangeError);
    EXPECT_THROW(SSsil(*full, 198), RangeError);
    EXPECT_EQ(full->SSsayisi, 197);  // three deleted, none by the refused numbers

    cfg = withRules(3), cfg->SSismi(3) = "R1";
    cfg->SSismi(4) = "Stale";  // above the count: never read
    // R1: the lower of equal names.
    for (auto [name, found] : {std::pair{"R2", 2}, {"R1", 1}, {"r2", 0}, {"R2 ", 0}, {"Stale", 0}})
        EXPECT_EQ(SSbul(*cfg, name), found) << name;
}

TEST(Rules, ListTextsReadBuiltAndSearched)
{
    EXPECT_TRUE(DizidenListeyeCevir(":").isEmpty() && DizidenListeyeCevir("").isEmpty());
    for (QString text : {QString("1,5.2,17.:"), QString("1,5,2,17,:"), QString("1,5.2,17.")}) {
        const auto items = DizidenListeyeCevir(text);
        ASSERT_EQ(items.size(), 2) << text.toStdString();
        EXPECT_TRUE(items[0].loop == 1 && items[0].address == 5 && items[1].loopDigits == "2" &&
                    items[1].address == 17);
    }
    // Garbage between separators is read as a number; a half item is dropped.
    const auto odd = DizidenListeyeCevir("x,7y.3");
    EXPECT_TRUE(odd.value(0).loop == 0 && odd.value(0).address == 7);
    EXPECT_EQ(
        (QList<qsizetype>{odd.size(), DizidenListeyeCevir("1,5.:9,9.").size(), DizidenListeyeCevir(",,,,").size()}),
        (QList<qsizetype>{1, 1, 2}));
    EXPECT_EQ(DizidenListeyeCevir("99999999999,1.")[0].loop, 99999999999.0);

    for (auto [list, holds] : {std::pair{"1,5.", true},
                               {"2,3,1,5,:", true},
                               {"01,005.:", true},
                               {"1,50.", false},
                               {"11,5.", false},
                               {"5,1.:", false}})
        EXPECT_EQ(listContains(list, 1, 5), holds) << list;
    auto cfg = withRules(1);
    cfg->SSgirisler(1) = "2,9.:", cfg->SScikislar(1) = "4,127.5,5.:";
    cfg->SSgirisler(2) = "1,5.:";  // slot above the count is ignored
    EXPECT_TRUE(CihazSSdurumunaBak(*cfg, 2, 9) && CihazSSdurumunaBak(*cfg, 4, 127) && !CihazSSdurumunaBak(*cfg, 1, 5));

    // Built back from the marks.
    auto draft = std::make_unique<RuleDraft>();
    draft->GirisIsareti(2, 17) = draft->GirisIsareti(1, 5) = 1;
    draft->GirisIsareti(1, 6) = 2;  // marked for another rule
    EXPECT_EQ((QStringList{SSgirisListesi(*draft, 1), SScikisListesi(*draft, 1)}), (QStringList{"1,5.2,17.:", ":"}));
    draft->CikisIsareti(4, 127) = 1, draft->PanelCikisSecimi(4) = 1;
    EXPECT_EQ(SScikisListesi(*draft, 1), "4,127.5,5.:");
}

TEST(RuleLists, EntryTexts)
{
    const std::tuple<int, int, int, int, QString> cases[] = {
        {2, 100, 12, 8, " 2" + b(17) + " 100" + b(18) + " 12" + b(29) + "Sounder controller"},
        {1, 5, 3, 2, " 1" + b(21) + " 5" + b(20) + " 3" + b(29) + "Photo-elec. smoke det."},
        {4, 45, 0, 9, " 4" + b(19) + " 45" + b(23) + b(29) + "Multisensor"},
        {1, 9, 10, 1, " 1" + b(21) + " 9" + b(18) + " 10" + b(29) + "Manual call point"},
        {1, 10, 9, 1, " 1" + b(19) + " 10" + b(20) + " 9" + b(29) + "Manual call point"},
        {1, 99, 48, 1, " 1" + b(19) + " 99" + b(18) + " 48" + b(29) + "Manual call point"},
    };
    for (const auto &[loop, address, zone, type, text] : cases)
        EXPECT_EQ(GirisSatiri(loop, address, zone, type), text) << text.toStdString();

    auto cfg = manyDevices();
    cfg->BolgeNo(1, 5) = 3, cfg->BolgeNo(4, 2) = 0;
    // A location follows the fixed columns, in the editor's lists and in the viewer.
    cfg->MahalText(1, 9) = QStringLiteral("Giris kati   ");
    auto draft = std::make_unique<RuleDraft>();
    EXPECT_TRUE(GirisCihazAl(*cfg, *draft).contains(GirisSatiri(1, 9, 10, 2) + "   Giris kati"));
    cfg->CihazTipi(2, 17) = 0;  // deleted after it was used: listed without a type
    cfg->SSgirisler(1) = "1,5.1,9.1,10.1,99.2,17.4,100.:";
    cfg->SScikislar(1) = "4,2.5,1.5,7.5,9.6,1.99999999999999999999,1.:", cfg->SSkosul(1) = 2;
    const RuleView v = SSicerikGoruntule(*cfg, 1);
    EXPECT_EQ((QStringList{v.name, v.condition}), (QStringList{"R", "Coincidence"}));
    EXPECT_EQ(v.inputs,
              (QStringList{"1" + b(13) + "5" + b(9) + " 3" + b(8) + "Photo-elec. smoke det.",
                           "1" + b(13) + "9" + b(7) + " 10" + b(8) + "Photo-elec. smoke det.   Giris kati",
                           "1" + b(11) + "10" + b(7) + " 11" + b(8) + "Photo-elec. smoke det.",
                           "1" + b(11) + "99" + b(9) + " 4" + b(8) + "Photo-elec. smoke det.",
                           "2" + b(11) + "17" + b(7) + " 18" + b(8), "4" + b(9) + "100" + b(12) + b(8) + "Heat det."}));
    // Any address digits but 1 to 6 give the last panel output; loop 6 or beyond gives nothing.
    EXPECT_EQ(v.outputs, (QStringList{"4" + b(13) + "2" + b(12) + b(8) + "Sounder controller", "Sounder 1",
                                      "Fault relay", "Fault relay"}));
}

TEST(RuleLists, ClicksMapEntriesToTheirDevices)
{
    auto cfg = manyDevices();
    auto draft = std::make_unique<RuleDraft>();
    draft->SSyeniIsim = QStringLiteral("R");
    GirisCihazAl(*cfg, *draft);
    // Entry 300 is the 300th input in order: loop 3, address 46.
    SSlisteSecimi(*cfg, *draft, {299, 4});
    EXPECT_EQ(SSgirisListesi(*draft, 1), "1,5.3,46.:");
    EXPECT_EQ(draft->GirisSecimSayisi, 2);

    // Outputs: devices first, then panel outputs; beyond the limit only panel outputs count.
    CikisCihazAl(*cfg, *draft);
    EXPECT_TRUE(CikisListeSecimi(*cfg, *draft, {0, 6, 8}).forward);
    KayitlariDuzenle(*cfg, *draft);
    EXPECT_EQ(cfg->SScikislar(1), "4,2.5,1.5,7.:");
    QList<int> all(255);
    std::iota(all.begin(), all.end(), 0);
    const ListClick c = CikisListeSecimi(*cfg, *draft, all);
    EXPECT_TRUE(c.overLimit && c.forward && SScikisListesi(*draft, 1) == "5,1.5,2.5,3.5,4.5,5.5,6.5,7.:");

    // Without a name nothing is recorded and the count stays.
    draft->SSyeniIsim.clear();
    EXPECT_TRUE(!SSlisteSecimi(*cfg, *draft, {0}).showCount && draft->GirisSecildi == 0);
}

TEST(RuleLists, SelectAllStopsPastTheLimit)
{
    std::vector<bool> lastSelected(300, false);
    lastSelected.back() = true;
    for (auto [selected, leading, over] : {std::tuple{std::vector<bool>(254, false), 254, false},
                                           {std::vector<bool>(508, false), 255, true},
                                           {lastSelected, 254, true}}) {
        const SelectAll s = selectAllPrefix(selected);
        EXPECT_EQ(std::pair(s.leading, s.overLimit), std::pair(leading, over));
    }
}
