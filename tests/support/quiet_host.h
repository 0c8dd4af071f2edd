// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The view's window that shows nothing, under the name the tests and benchmarks use.
#include "view/quiet_view_host.h"

namespace kiva::testing {

using QuietHost = QuietViewHost;

}  // namespace kiva::testing
