// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace hof {

// Tessary's icon (64 x 64 PNG) as a data: address, so the page needs no second request.
const std::string& iconDataUri();

} // namespace hof
