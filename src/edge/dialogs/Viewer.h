// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/PictureFile.h"
#include "ports/GameDialogs.h"

#include <QDialog>
#include <QSize>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QPushButton;

namespace tessary {

class FileChooser;

// The image chooser: the file chooser comes up first (unless a picture to show is given), then
// this window previews the picked picture with "Select another image", "OK" and "Cancel". The
// window is titled `caption`, or "Start New Puzzle" when it is empty.
class Viewer : public QDialog {
    Q_OBJECT

  public:
    // Shows the player why a picture was refused, over the given window.
    using RefusalMessage = std::function<void(QWidget* over, const QString& text)>;

    Viewer(const std::string& caption, FileChooser& chooser, const std::string& shown,
           RefusalMessage refuse, QWidget* parent = nullptr);

    // The picture previewed, once the window is closed by "OK": nothing after "Cancel", and
    // nothing when no picture was taken.
    const std::optional<ChosenPicture>& chosen() const { return chosen_; }

    // Preview size of a W x H picture: a tall one 240 high, otherwise 320 wide.
    static QSize previewSize(int width, int height);

    // Lets the player pick a picture and previews it; a file that is not a picture the board
    // takes is refused with a message and empties the choice. Runs once before the window is
    // first shown.
    void Command1_Click();
    void StartBtn_Click();
    void CancelBtn_Click();

    QLabel* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* StartBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  protected:
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override; // Esc presses "Cancel"
    void showEvent(QShowEvent* event) override;

  private:
    // Previews the picture in file `name`, or refuses it.
    void preview(const std::string& name);
    // Empties the choice and the preview and tells the player why the file was not taken.
    void refusePicture(const QString& path, PictureProblem problem);

    std::optional<ChosenPicture> chosen_;
    FileChooser& chooser_;
    RefusalMessage refuse_;
};

} // namespace tessary
