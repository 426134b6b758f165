#include "grid/stringgrid/sort/keyed_rows.h"

#include <array>
#include <bit>
#include <cstddef>
#include <utility>

uint64_t OrderKey(double Value) {
    // Zero is tested as a number, so that -0 takes the key of 0.
    const uint64_t bits = std::bit_cast<uint64_t>(Value == 0 ? 0.0 : Value);
    constexpr uint64_t sign = uint64_t(1) << 63;
    // Negative numbers order backwards by their bits, positive ones forwards and above them.
    return (bits & sign) ? ~bits : bits | sign;
}

void SortByKey(std::vector<TKeyedRow>& Rows) {
    // Passes of 11 bits keep each pass's counts in the first-level cache.
    constexpr int bits = 11;
    constexpr int passes = (64 + bits - 1) / bits;
    constexpr uint64_t mask = (uint64_t(1) << bits) - 1;
    const std::size_t n = Rows.size();
    if (n < 2) return;
    // The counts of all passes in one read of the rows.
    std::vector<std::array<std::size_t, std::size_t(1) << bits>> counts(passes);
    for (auto& c : counts) c.fill(0);
    for (const TKeyedRow& row : Rows)
        for (int p = 0; p < passes; ++p) ++counts[std::size_t(p)][(row.Key >> (p * bits)) & mask];
    std::vector<TKeyedRow> moved(n);
    for (int p = 0; p < passes; ++p) {
        auto& count = counts[std::size_t(p)];
        // A digit all rows share orders nothing: most numbers of a column agree in their top bits.
        if (count[(Rows.front().Key >> (p * bits)) & mask] == n) continue;
        std::size_t start = 0;
        for (std::size_t& c : count) start += std::exchange(c, start);
        for (const TKeyedRow& row : Rows) moved[count[(row.Key >> (p * bits)) & mask]++] = row;
        Rows.swap(moved);
    }
}
