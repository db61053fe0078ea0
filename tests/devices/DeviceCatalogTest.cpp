#include "devices/DeviceCatalog.h"

#include <gtest/gtest.h>

using namespace vaz::devices;

TEST(DeviceCatalog, PositionsAndCodesRoundTrip)
{
    const int positions[] = {0, 1, 2, 3, 5, 6, 8, 7, 4};
    for (int code = 1; code <= 9; ++code) {
        ASSERT_EQ(listPosition(code), positions[code - 1]) << code;
        EXPECT_EQ(codeOfListPosition(*listPosition(code)), code);
        EXPECT_EQ(codeOfListText(listText(code)), code);
    }
    EXPECT_EQ(listText(7), "QF-5040 Zone monitor");
    EXPECT_EQ(listText(8), "QF-5030 Sounder controller");
    EXPECT_EQ(listText(9), "QF-3040 Multisensor");
    EXPECT_FALSE(codeOfListPosition(9));
    EXPECT_FALSE(codeOfListPosition(-1));
    EXPECT_FALSE(codeOfListText(kPlaceholderText));
    EXPECT_FALSE(codeOfListText("qf-3040 multisensor"));

    QStringList items = typeListItems();
    ASSERT_EQ(items.size(), 10);
    EXPECT_EQ(items[4], "QF-3040 Multisensor");
    EXPECT_EQ(items[9], "Select device type...");
}

TEST(DeviceCatalog, NamesIconsAndPictures)
{
    EXPECT_EQ(reportName(1), "MCP" + QString(15, ' '));
    const int reportLengths[] = {18, 22, 17, 16, 16, 18, 16, 18, 18};
    for (int code = 1; code <= 9; ++code)
        EXPECT_EQ(reportName(code).size(), reportLengths[code - 1]) << code;
    EXPECT_EQ(shortName(1), "Manual call point");
    EXPECT_EQ(treeIcon(2), 4);
    EXPECT_EQ(treeIcon(3), 4);
    EXPECT_EQ(pictureCell(2), 3);
    EXPECT_EQ(pictureCell(3), 2);
    for (long long bad : {0LL, 10LL, -1LL, 40000LL}) {
        EXPECT_FALSE(listPosition(bad));
        EXPECT_TRUE(listText(bad).isEmpty());
        EXPECT_TRUE(shortName(bad).isEmpty());
        EXPECT_TRUE(reportName(bad).isEmpty());
        EXPECT_EQ(treeIcon(bad), 0);
        EXPECT_EQ(pictureCell(bad), -1);
        EXPECT_EQ(group(bad), Group::None);
        EXPECT_FALSE(isRuleInput(bad));
        EXPECT_FALSE(isRuleOutput(bad));
    }
}

TEST(DeviceCatalog, PropertiesFollowTheGroup)
{
    for (int code = 1; code <= 9; ++code) {
        bool output = code == 5 || code == 8;
        bool input = code == 6 || code == 7;
        EXPECT_EQ(bypassApplies(code), !output) << code;
        EXPECT_EQ(inputEventApplies(code), input) << code;
        EXPECT_EQ(outputEventApplies(code), output) << code;
        EXPECT_EQ(isRuleOutput(code), output) << code;
        EXPECT_EQ(isRuleInput(code), !output) << code;
    }
}
