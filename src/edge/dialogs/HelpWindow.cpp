// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HelpWindow.h"

#include "dialogs/HelpPage.h"
#include "platform/Shell.h"
#include "widgets/CenterForm.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace tessary {

namespace {

// Addresses that leave the game's page: they belong to the browser or the mail program.
bool outsideLink(const QUrl& link) {
    const QString scheme = link.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto");
}

// The text browser, given each page as it can lay it out.
class HelpBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type == QTextDocument::HtmlResource && resource.isValid())
            return helpPageForTextBrowser(QString::fromUtf8(resource.toByteArray()));
        return resource;
    }
};

} // namespace

HelpWindow::HelpWindow(std::filesystem::path page, Shell& shell, LinkNotOpened linkNotOpened,
                       QWidget* parent)
    : QWidget(parent, Qt::Window), page_(std::move(page)), shell_(shell),
      linkNotOpened_(std::move(linkNotOpened)) {
    setWindowTitle(QStringLiteral("Tessary Help"));
    browser_ = new HelpBrowser(this);
    browser_->document()->setDocumentMargin(12); // the page itself leaves no margin
    // Every link comes to followLink: the browser widget would try to show a web page itself.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    back_ = new QPushButton(QStringLiteral("Back"), this);
    forward_ = new QPushButton(QStringLiteral("Forward"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addLayout(buttons);

    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    fitToScreen();
}

void HelpWindow::showSection(const QString& section) {
    const QString file = QString::fromStdString(page_.string());
    if (!loaded_ || !section.isEmpty()) {
        if (QFileInfo::exists(file)) {
            QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
            if (!section.isEmpty())
                url.setFragment(section);
            browser_->setSource(url);
        } else {
            browser_->setPlainText(QStringLiteral("The help page %1 is not found.").arg(file));
        }
        loaded_ = true;
    }
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    browser_->setFocus();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::followLink(const QUrl& link) {
    if (!outsideLink(link)) {
        browser_->setSource(link); // a section of this page, or another page beside it
        return;
    }
    const std::string address = link.toString().toStdString();
    if (!shell_.openLink(address) && linkNotOpened_)
        linkNotOpened_(this, address);
}

// A column of text as wide as reads well, as tall as the screen leaves room for.
void HelpWindow::fitToScreen() {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QWidget::screen();
    if (screen == nullptr)
        return;
    const QRect room = screen->availableGeometry();
    resize(std::min(860, room.width() * 9 / 10), room.height() * 85 / 100);
    centerForm(*this);
}

} // namespace tessary
