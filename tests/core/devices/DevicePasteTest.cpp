#include "core/devices/DevicePaste.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace vaz {
namespace {

// Loop 2 with the given addresses taken; loop 1 full, which must not matter.
Installation loopWith(const QList<int> &taken)
{
    Installation inst;
    for (int A = 1; A <= kAddresses; ++A)
        inst.CihazTipi(1, A) = 1;
    for (int A : taken)
        inst.CihazTipi(2, A) = A == 127 ? -7 : 3;  // a code no type stands for still holds its address
    return inst;
}

TEST(DevicePaste, CopiesLandAtTheFreeAddressesKeepingOrderAndGaps)
{
    // Addresses taken, where the paste starts, the copies' offsets, where they land (nullopt: nowhere).
    const std::tuple<QList<int>, int, QList<int>, std::optional<QList<int>>> cases[] = {
        {{}, 1, {0, 1, 4}, QList<int>{1, 2, 5}}, {{6, 7, 8}, 4, {0, 1, 2}, QList<int>{4, 5, 9}},
        {{1, 2, 3}, 1, {0}, QList<int>{4}},      {{2}, 1, {0, 1, 2}, QList<int>{1, 3, 4}},
        {{5}, 1, {0, 10}, QList<int>{1, 11}},    {{}, 126, {0, 1}, QList<int>{126, 127}},
        {{}, 126, {0, 1, 2}, std::nullopt},      {{127}, 126, {0, 1}, std::nullopt},
        {{}, 120, {0, 8}, std::nullopt},         {{}, 128, {0}, std::nullopt},
    };
    for (const auto &[taken, from, offsets, placed] : cases) {
        QList<CopiedDevice> copies;
        for (int offset : offsets)
            copies.append(CopiedDevice{offset, {}});
        EXPECT_EQ(pasteAddresses(loopWith(taken), 2, from, copies), placed) << from << " " << taken.size();
    }
}

}  // namespace
}  // namespace vaz
