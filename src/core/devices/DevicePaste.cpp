#include "core/devices/DevicePaste.h"

#include <algorithm>

namespace vaz {

QList<CopiedDevice> copyDevices(const Installation &inst, int loop, const QList<int> &addresses)
{
    QList<int> sorted = addresses;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    QList<CopiedDevice> copies;
    for (int A : sorted)
        copies.append(CopiedDevice{A - sorted.front(), inst.device(loop, A)});
    return copies;
}

std::optional<QList<int>> pasteAddresses(const Installation &inst, int loop, int from,
                                         const QList<CopiedDevice> &copies)
{
    QList<int> placed;
    int next = std::max(from, 1);
    for (const CopiedDevice &copy : copies) {
        int A = std::max(next, from + copy.offset);
        while (A <= kAddresses && inst.CihazTipi(loop, A) != 0)
            ++A;
        if (A > kAddresses)
            return std::nullopt;
        placed.append(A);
        next = A + 1;
    }
    return placed;
}

}  // namespace vaz
