// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

namespace tessary::checks {

// A picture file is refused by its header checks, or decodes into exactly the block asked for
// (or into nothing, when its data turns out to be damaged), whichever the bytes are.
// "" when that holds, or what broke.
std::string checkPicture(const QString& path);

// "refused" (the header checks turn it away), "damaged" (its data fails to decode) or "ok".
std::string pictureOutcome(const QString& path);

} // namespace tessary::checks
