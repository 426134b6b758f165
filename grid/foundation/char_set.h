#pragma once

#include <QChar>
#include <vector>

// A set of characters, such as the separators of a condition or the characters an editor takes.
using TCharSet = std::vector<QChar>;
