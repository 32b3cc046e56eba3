// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tessary {

// The help page as the help window can lay it out. The page is written for web browsers, with
// the page elements of today's HTML (header, main, nav, figure, figcaption); the window's text
// browser knows none of them and runs a picture, its caption and the next paragraph into one
// line. Each becomes a division of that class (the header a navy table, the only block it
// paints a background behind), and a few style rules give those divisions the page's look.
QString helpPageForTextBrowser(const QString& html);

} // namespace tessary
