#pragma once

namespace vaz {

// Where a device sits: loop 1..4, address 1..127.
struct DeviceAddress {
    int loop = 0;
    int address = 0;
    bool operator==(const DeviceAddress &) const = default;
    bool operator<(const DeviceAddress &o) const { return loop != o.loop ? loop < o.loop : address < o.address; }
};

}  // namespace vaz
