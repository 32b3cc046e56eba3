// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HelpPage.h"

#include <QRegularExpression>

namespace tessary {

namespace {

// Styles for the divisions made below, after the page's own so that they win.
const char* const kTextBrowserStyle = R"(<style>
  table.header { border: none; margin: 0; }
  table.header td { border: none; color: #ffffff; background-color: #000080; }
  table.header p { color: #ffc080; }
  div.figure { margin-top: 12px; margin-bottom: 12px; }
  div.figcaption { font-size: 14px; color: #555555; }
</style>
)";

} // namespace

QString helpPageForTextBrowser(const QString& html) {
    QString page = html;
    page.replace(QRegularExpression(QStringLiteral("<header\\b[^>]*>")),
                 QStringLiteral("<table class=\"header\" width=\"100%\" cellpadding=\"14\" "
                                "cellspacing=\"0\"><tr><td>"));
    page.replace(QStringLiteral("</header>"), QStringLiteral("</td></tr></table>"));
    // <figure class="scene"> becomes <div class="figure scene">: the page's classes stay.
    static const QRegularExpression opening(
        QStringLiteral("<(main|nav|figure|figcaption|section|article|aside|footer)\\b"
                       "(?:\\s+class=\"([^\"]*)\")?([^>]*)>"));
    page.replace(opening, QStringLiteral("<div class=\"\\1 \\2\"\\3>"));
    static const QRegularExpression closing(
        QStringLiteral("</(main|nav|figure|figcaption|section|article|aside|footer)>"));
    page.replace(closing, QStringLiteral("</div>"));
    const qsizetype head = page.indexOf(QStringLiteral("</head>"));
    if (head >= 0)
        page.insert(head, QString::fromUtf8(kTextBrowserStyle));
    return page;
}

} // namespace tessary
