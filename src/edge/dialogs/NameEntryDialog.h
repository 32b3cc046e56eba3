#pragma once

#include "model/Settings.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessary {

// NameEntry: a new Hall of Fame place asks for the player's name (and an e-mail for the
// online list). Whatever way it closes, the name and e-mail typed are kept.
class NameEntryDialog : public QDialog {
    Q_OBJECT

  public:
    NameEntryDialog(int hofRank, Settings& settings, std::function<void()> onOpen,
                    QWidget* parent = nullptr);

    // The player chose "Website HOF entry".
    bool onlineEntry() const { return onlineEntry_; }

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Name1 = nullptr;
    QLineEdit* email = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* OK = nullptr;

    void done(int result) override; // Form_Unload

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Settings& settings_;
    std::function<void()> onOpen_;
    bool onlineEntry_ = false;
    bool opened_ = false;
};

} // namespace tessary
