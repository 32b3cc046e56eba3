// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tessary {

// "Score": the performance evaluation, shown modally with its text and an "ok" button.
class ScoreWindow : public QDialog {
    Q_OBJECT

  public:
    explicit ScoreWindow(const QString& performanceText, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QGroupBox* Frame1 = nullptr;
};

} // namespace tessary
