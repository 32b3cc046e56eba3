#pragma once

#include "engine/GameState.h"

#include <QDialog>
#include <QSize>

class QLabel;
class QPushButton;

namespace tessary {

class FileChooser;

// The image chooser: the file chooser comes up first, then this window previews the picked
// picture with "Select another image", "OK" and "Cancel".
class Viewer : public QDialog {
    Q_OBJECT

  public:
    Viewer(PuzzleDescription& puzzle, FileChooser& chooser, QWidget* parent = nullptr);

    // Preview size of a W x H picture: a tall one 240 high, otherwise 320 wide.
    static QSize previewSize(int width, int height);

    // Lets the player pick a picture and previews it; a cancel or an unreadable file changes
    // nothing. Runs once before the window is first shown.
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
    PuzzleDescription& puzzle_;
    FileChooser& chooser_;
};

} // namespace tessary
