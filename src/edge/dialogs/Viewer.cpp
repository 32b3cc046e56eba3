// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Viewer.h"

#include "pictures/PictureFile.h"
#include "platform/FileChooser.h"
#include "widgets/CenterForm.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <optional>

namespace tessary {

namespace {
constexpr int kPreviewW = 320;
constexpr int kPreviewH = 240;

int roundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}
} // namespace

QSize Viewer::previewSize(int width, int height) {
    if (width <= 0 || height <= 0)
        return {};
    if (height > width)
        return {roundEven(double(width) * kPreviewH / height), kPreviewH};
    return {kPreviewW, roundEven(double(height) * kPreviewW / width)};
}

Viewer::Viewer(const std::string& caption, FileChooser& chooser, const std::string& shown,
               RefusalMessage refuse, QWidget* parent)
    : QDialog(parent), chooser_(chooser), refuse_(std::move(refuse)) {
    setWindowTitle(caption.empty() ? QStringLiteral("Start New Puzzle")
                                   : QString::fromStdString(caption));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFixedSize(525, 305);

    Picture1 = new QLabel(this);
    Picture1->setGeometry(16, 16, 321, 241);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Command1 = new QPushButton(QStringLiteral("Select another image"), this);
    StartBtn = new QPushButton(QStringLiteral("OK"), this);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    int top = 60;
    for (QPushButton* button : {Command1, StartBtn, CancelBtn}) {
        button->setGeometry(355, top, 155, 36);
        top += 56;
    }
    StartBtn->setDefault(true);
    StartBtn->setAutoDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Viewer::Command1_Click);
    connect(StartBtn, &QPushButton::clicked, this, &Viewer::StartBtn_Click);
    connect(CancelBtn, &QPushButton::clicked, this, &Viewer::CancelBtn_Click);

    centerForm(*this);
    // Each showing starts with an empty file name and nothing chosen: "OK" without a picture
    // gives up the new puzzle as "Cancel" does.
    chooser_.FileName.clear();
    if (shown.empty()) {
        Command1_Click();
        return;
    }
    // "Select another image" then starts in the shown picture's folder, on it.
    chooser_.FileName = shown;
    preview(shown);
}

void Viewer::Command1_Click() {
    chooser_.Filter = "Image files |*.bmp;*.jpg;*.png;*.webp;*.tif;*.tiff;*.gif|";
    chooser_.AlsoAccept = {"*.jpeg"};
    chooser_.DialogTitle = "Select Image";
    chooser_.DefaultExt = ".bmp";
    chooser_.Flags = FileChooser::kFileMustExist | FileChooser::kPathMustExist;
    chooser_.CancelError = false;
    // A cancel leaves the chooser's name as it was: empty the first time, otherwise the
    // picture already previewed, which is simply shown again.
    chooser_.show(FileChooser::Mode::Open);
    const std::string name = chooser_.FileName;
    if (!name.empty())
        preview(name);
}

void Viewer::preview(const std::string& name) {
    // Judged now, with the board's own checks and decoder, so that a picture taken here is
    // one the board takes; the preview is sized from the same upright size the board uses.
    const QString path = QString::fromStdString(name);
    PictureProblem problem = PictureProblem::None;
    const std::optional<PictureInfo> info = probePicture(path, &problem);
    QSize preview;
    QImage image;
    if (info) {
        preview = previewSize(info->upright.width(), info->upright.height());
        const JpegDamageWatch watch;
        image = decodePicture(path, *info, preview, false);
        if (image.isNull())
            problem = PictureProblem::Damaged;
    }
    if (image.isNull()) {
        refusePicture(path, problem);
        return;
    }
    Picture1->setPixmap(QPixmap::fromImage(image));
    Picture1->resize(preview);
    chosen_ = ChosenPicture{name, QFileInfo(path).fileName().toStdString()};
}

void Viewer::refusePicture(const QString& path, PictureProblem problem) {
    chosen_.reset();
    chooser_.FileName.clear(); // a cancelled choice next does not bring the refused file back
    Picture1->clear();
    if (refuse_)
        refuse_(isVisible() ? static_cast<QWidget*>(this) : parentWidget(),
                pictureRefusal(path, problem));
}

void Viewer::StartBtn_Click() {
    accept();
}

void Viewer::CancelBtn_Click() {
    chosen_.reset();
    done(QDialog::Rejected);
}

// Closing by the window frame acts like "OK".
void Viewer::reject() {
    accept();
}

void Viewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        CancelBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Viewer::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    StartBtn->setFocus();
}

} // namespace tessary
