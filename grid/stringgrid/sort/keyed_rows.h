#pragma once

// Rows ordered by a number each without comparing them: the numbers become unsigned keys in
// the same order, and a radix sort orders the rows by their keys in time linear in the rows.

#include <cstddef>
#include <cstdint>
#include <vector>

struct TKeyedRow {
    uint64_t Key;
    int Id;
};

// The key that orders numbers as < does, -0 and 0 alike; NaN must not occur.
uint64_t OrderKey(double Value);

// Orders the rows by ascending key; rows with equal keys keep their order.
void SortByKey(std::vector<TKeyedRow>& Rows);
