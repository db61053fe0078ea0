#include "core/devices/DeviceCatalog.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

using namespace vaz::devices;

TEST(DeviceCatalog, CodesPositionsNamesAndGroups)
{
    const int positions[] = {0, 1, 2, 3, 5, 6, 8, 7, 4};
    for (int code = 1; code <= 9; ++code) {
        ASSERT_EQ(listPosition(code), positions[code - 1]) << code;
        EXPECT_EQ(codeOfListPosition(*listPosition(code)), code);
        EXPECT_EQ(codeOfListText(listText(code)), code);
        const bool output = code == 5 || code == 8, input = code == 6 || code == 7;
        EXPECT_EQ((QList<bool>{bypassApplies(code), inputEventApplies(code), outputEventApplies(code),
                               isRuleOutput(code), isRuleInput(code)}),
                  (QList<bool>{!output, input, output, output, !output}))
            << code;
    }
    ASSERT_EQ(typeListItems().size(), 10);
    EXPECT_EQ((QStringList{typeListItems()[4], typeListItems()[9]}),
              (QStringList{"QF-3040 Multisensor", "Select device type..."}));
    EXPECT_EQ((QList<int>{treeIcon(2), treeIcon(3), pictureCell(2), pictureCell(3)}), (QList<int>{4, 4, 3, 2}));
    EXPECT_FALSE(codeOfListPosition(9) || codeOfListPosition(-1));
    EXPECT_FALSE(codeOfListText(kPlaceholderText) || codeOfListText("qf-3040 multisensor"));
    for (long long bad : {0LL, 10LL, -1LL, 40000LL}) {
        EXPECT_FALSE(listPosition(bad) || isRuleInput(bad) || isRuleOutput(bad)) << bad;
        EXPECT_TRUE(listText(bad).isEmpty() && shortName(bad).isEmpty() && reportName(bad).isEmpty()) << bad;
        EXPECT_TRUE(treeIcon(bad) == 0 && pictureCell(bad) == -1 && group(bad) == Group::None) << bad;
    }
}
