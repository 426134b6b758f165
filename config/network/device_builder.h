#pragma once

#include <QString>
#include <functional>

// The building of a device from its description (the GSDML setter, ReadInfoFromGSDML and the
// module, submodule and parameter readers of the model classes) lives in device_builder.cpp.

// Calls Action for every slot or subslot number of a placement list such as "1 3..5", in
// text order, each range ascending. Numbers are decimal or hexadecimal ("0x10", "$10"); a token
// that is no number, negative, reversed or beyond 65535 (no slot or subslot has such a number)
// is passed over.
void For_Each_Listed_Number(const QString& Text, const std::function<void(int)>& Action);
