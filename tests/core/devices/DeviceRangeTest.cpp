#include "core/devices/DeviceRange.h"
#include "core/panel/DisplayText.h"
#include "support/ExampleConfig.h"

#include <gtest/gtest.h>

namespace vaz::test {
namespace {

TEST(DeviceRange, FreeAddressesGetDevicesAndThePatternIsCheckedAsTheLocationBoxDoes)
{
    const QString x37(37, u'x'), quote = "Address 001: The characters \" and ~ cannot be part of a name.";
    // Loop, from, to, pattern; the addresses given, those taken, the locations (empty: not checked), the problem.
    const std::tuple<int, int, int, QString, QList<int>, QList<int>, QStringList, QString> cases[] = {
        {1, 3, 8, "R{i}-{n}", {3, 4, 6, 8}, {5, 7}, {"R1-003", "R2-004", "R3-006", "R4-008"}, ""},
        {1, 8, 3, "{n}", {3, 4, 6, 8}, {5, 7}, {"003", "004", "006", "008"}, ""},
        {1, 5, 5, "", {}, {5}, {}, ""},
        {2, 1, 2, "Şişli Çarşı {n}", {1, 2}, {}, {}, ""},
        // 40 characters are fine; {i} grows to two digits at the tenth device.
        {3, 98, 127, x37 + "{n}", {}, {}, {}, ""},
        {3, 1, 12, x37 + "xx{i}", {}, {}, {}, "Address 010: A name holds at most 40 characters."},
        {3, 1, 2, "Room \"{i}\"", {}, {}, {}, quote},
        {3, 1, 2, "Комната {i}", {}, {}, {}, "Address 001: This character cannot be stored in a configuration file."},
    };
    Config c;
    addDevices(c, {{1, 5, 2, 1}, {1, 7, 4, 1}});
    for (const auto &[loop, from, to, pattern, addresses, taken, locations, problem] : cases) {
        const RangePlan p = planRange(c, loop, from, to, 1, 2, pattern);
        SCOPED_TRACE(pattern.toStdString());
        EXPECT_EQ(std::tuple(p.problem, p.taken, p.canAdd()),
                  std::tuple(problem, taken, problem.isEmpty() && !p.addresses.isEmpty()));
        EXPECT_TRUE((addresses.isEmpty() || p.addresses == addresses) &&
                    (locations.isEmpty() || p.locations == locations));
    }
    EXPECT_EQ(planRange(c, 2, 1, 127, 9, 48, "").addresses.size(), 127);
    EXPECT_EQ(planRange(c, 2, 1, 2, 0, 1, "").problem, "Choose a device type.");
}

TEST(DeviceRange, AddedDevicesAreStoredAsSaveStoresThem)
{
    Config c;
    addDevices(c, {{1, 5, 2, 1}, {1, 7, 4, 1}}), c.GecikmeIptal(1, 3) = 64;  // left by a device deleted before
    const Config before = c;
    addRange(c, planRange(c, 1, 3, 5, 8, 12, "Şişli {n}"));
    const Installation::Device three = c.device(1, 3);
    EXPECT_EQ(std::tuple(int(three.type), int(three.zone), three.location, int(three.bypass)),
              std::tuple(8, 12, "Sisli 003" + QString(40, u' '), 64));
    EXPECT_EQ(c.MahalText(1, 4), "Sisli 004" + QString(40, u' '));
    EXPECT_EQ(c.device(1, 5), before.device(1, 5)) << "a taken address is left alone";
    EXPECT_EQ(savedLocation(QString(40, u'ç')), QString(40, u'c')) << "40 characters are not padded";
}

}  // namespace
}  // namespace vaz::test
