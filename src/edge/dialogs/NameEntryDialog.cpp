// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/NameEntryDialog.h"

#include "widgets/CenterForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessary {

NameEntryDialog::NameEntryDialog(int hofRank, const std::string& playerName,
                                 const std::string& playerEmail, std::function<void()> onOpen,
                                 QWidget* parent)
    : QDialog(parent), onOpen_(std::move(onOpen)) {
    setWindowTitle(QStringLiteral("Hall of Fame"));
    Label1 = new QLabel(QStringLiteral("You have made number %1 on the Hall of Fame list. "
                                       "Please enter your name:")
                            .arg(hofRank),
                        this);
    Label1->setWordWrap(true);
    QFont big = Label1->font();
    big.setPointSize(big.pointSize() + 2);
    big.setBold(true);
    Label1->setFont(big);
    Name1 = new QLineEdit(QString::fromStdString(playerName), this);
    Name1->setMaxLength(60);
    Label2 = new QLabel(QStringLiteral("  Please enter email address:"), this);
    email = new QLineEdit(QString::fromStdString(playerEmail), this);
    email->setToolTip(QStringLiteral("Need email for online entry"));
    Command1 = new QPushButton(QStringLiteral("Website HOF entry"), this);
    Command1->setToolTip(QStringLiteral("Enters your name in the Morvane online HOF"));
    OK = new QPushButton(QStringLiteral("Local HOF only"), this);
    OK->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addStretch();
    buttons->addWidget(OK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Name1);
    layout->addSpacing(8);
    layout->addWidget(Label2);
    layout->addWidget(email);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(Command1, &QPushButton::clicked, this, [this] {
        onlineEntry_ = true;
        accept();
    });
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    Name1->selectAll();
    Name1->setFocus();
}

void NameEntryDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (opened_)
        return;
    opened_ = true;
    centerForm(*this);
    if (onOpen_)
        onOpen_();
}

NameEntryAnswer NameEntryDialog::answer() const {
    // Double quotes cannot be stored in the Hall of Fame file: they become single quotes.
    return {Name1->text().replace('"', '\'').toStdString(), email->text().toStdString(),
            onlineEntry_};
}

} // namespace tessary
