// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HofWindow.h"

#include "platform/Shell.h"
#include "score/HofFile.h"
#include "score/HofLinks.h"
#include "score/HofTable.h"
#include "widgets/CenterForm.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessary {

HofWindow::HofWindow(HallOfFame& list, std::filesystem::path dataFolder, Shell& shell,
                     std::function<bool()> confirmClear, LinkNotOpened linkNotOpened,
                     QWidget* parent)
    : QDialog(parent), list_(list), dataFolder_(std::move(dataFolder)), shell_(shell),
      confirmClear_(std::move(confirmClear)), linkNotOpened_(std::move(linkNotOpened)) {
    setWindowTitle(QStringLiteral("Hall of Fame"));
    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The table's lines are joined by CR LF; the box shows them as lines.
    Text1->setPlainText(QString::fromStdString(hofTableText(list_)).replace("\r\n", "\n"));
    cmdClear = new QPushButton(QStringLiteral("Clear"), this);
    cmdOnline = new QPushButton(QStringLiteral("Online HOF"), this);
    cmdOnline->setToolTip(QStringLiteral("Check Morvane Website HOFs"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdClear);
    buttons->addWidget(cmdOnline);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text1);
    layout->addLayout(buttons);
    const QFontMetrics metrics(Text1->font());
    resize(metrics.horizontalAdvance(QString(60, 'M')) + 40, metrics.lineSpacing() * 20 + 80);

    connect(cmdClear, &QPushButton::clicked, this, &HofWindow::cmdClear_Click);
    connect(cmdOnline, &QPushButton::clicked, this, &HofWindow::cmdOnline_Click);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    centerForm(*this);
}

void HofWindow::cmdClear_Click() {
    if (!confirmClear_ || !confirmClear_())
        return;
    deleteHofFile(dataFolder_);
    list_.clearList();
    accept();
}

void HofWindow::cmdOnline_Click() {
    const std::string address = hofBrowseAddress();
    if (!shell_.openLink(address) && linkNotOpened_)
        linkNotOpened_(this, address);
}

} // namespace tessary
