// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A compound record as readable text, for checking the catalogue by eye.
#include <string>

#include "chem/compound_record.h"

namespace kiva::mkdb {

std::string DumpCompound(const CompoundRecord& record);

}  // namespace kiva::mkdb
