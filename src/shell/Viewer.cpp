#include "shell/Viewer.h"

#include "platform/FileChooser.h"
#include "shell/CenterForm.h"

#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <cmath>

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

Viewer::Viewer(PuzzleDescription& puzzle, FileChooser& chooser, QWidget* parent)
    : QDialog(parent), puzzle_(puzzle), chooser_(chooser) {
    setWindowTitle(puzzle_.chooserCaption.empty() ? QStringLiteral("Start New Puzzle")
                                                  : QString::fromStdString(puzzle_.chooserCaption));
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
    chooser_.FileName.clear(); // each showing starts with an empty file name
    Command1_Click();
}

void Viewer::Command1_Click() {
    chooser_.Filter = "Image files |*.bmp;*.jpg|";
    chooser_.AlsoAccept = {"*.jpeg"};
    chooser_.DialogTitle = "Select Image";
    chooser_.DefaultExt = ".bmp";
    chooser_.Flags = FileChooser::kFileMustExist | FileChooser::kPathMustExist;
    chooser_.CancelError = false;
    // A cancel leaves the chooser's name as it was: empty the first time, otherwise the
    // picture already previewed, which is simply shown again.
    chooser_.show(FileChooser::Mode::Open);
    const std::string name = chooser_.FileName;
    if (name.empty())
        return;

    QImageReader reader(QString::fromStdString(name));
    reader.setAutoTransform(true);
    const QSize natural = reader.size();
    const QSize preview = previewSize(natural.width(), natural.height());
    if (!preview.isValid())
        return;
    reader.setScaledSize(preview);
    const QImage image = reader.read();
    if (image.isNull())
        return;
    Picture1->setPixmap(QPixmap::fromImage(image));
    Picture1->resize(preview);
    puzzle_.chosenFile = name;
    puzzle_.chosenTitle = QFileInfo(QString::fromStdString(name)).fileName().toStdString();
}

void Viewer::StartBtn_Click() {
    accept();
}

void Viewer::CancelBtn_Click() {
    puzzle_.chosenFile.clear();
    puzzle_.chosenTitle.clear();
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
