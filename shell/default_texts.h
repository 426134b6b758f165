#pragma once

#include <QString>
#include <utility>
#include <vector>

// The built-in English texts by id; ids not listed hold a single blank.
const std::vector<std::pair<int, QString>>& Default_Texts();
