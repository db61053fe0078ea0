#pragma once

#include "core/model/Int16.h"

#include <array>
#include <string>

namespace vaz {

// A one-dimensional field with indices 0..Hi, both ends included.
template <typename T, int Hi>
class Table {
public:
    explicit Table(const char *name) : name_(name) {}

    T &operator()(long long i) { return data_[index(i)]; }
    const T &operator()(long long i) const { return data_[index(i)]; }

    static constexpr int last() { return Hi; }
    bool operator==(const Table &o) const { return data_ == o.data_; }

private:
    std::size_t index(long long i) const
    {
        if (i < 0 || i > Hi)
            throw RangeError("index " + std::to_string(i) + " is outside " + name_ + " (0 to " + std::to_string(Hi) +
                             ")");
        return static_cast<std::size_t>(i);
    }

    const char *name_;
    std::array<T, Hi + 1> data_{};
};

// A per-device field indexed by (loop 0..LoopHi, address 0..AddrHi).
template <typename T, int LoopHi, int AddrHi = 128>
class Grid {
public:
    explicit Grid(const char *name) : name_(name) {}

    T &operator()(long long loop, long long address) { return data_[index(loop, address)]; }
    const T &operator()(long long loop, long long address) const { return data_[index(loop, address)]; }

    static constexpr int lastLoop() { return LoopHi; }
    static constexpr int lastAddress() { return AddrHi; }
    static bool contains(long long loop, long long address)
    {
        return loop >= 0 && loop <= LoopHi && address >= 0 && address <= AddrHi;
    }
    bool operator==(const Grid &o) const { return data_ == o.data_; }

private:
    std::size_t index(long long loop, long long address) const
    {
        if (!contains(loop, address))
            throw RangeError("index (" + std::to_string(loop) + ", " + std::to_string(address) + ") is outside " +
                             name_ + " (0 to " + std::to_string(LoopHi) + ", 0 to " + std::to_string(AddrHi) + ")");
        return static_cast<std::size_t>(loop * (AddrHi + 1) + address);
    }

    const char *name_;
    std::array<T, (LoopHi + 1) * (AddrHi + 1)> data_{};
};

}  // namespace vaz
