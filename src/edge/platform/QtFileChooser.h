// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileChooser.h"

#include <QStringList>

class QWidget;

namespace tessary {

// The file chooser over Qt's own file dialog. On Linux file names are case-sensitive, but a
// pattern such as "*.jpg" matches "IMG_0001.JPG" here as it always did on Windows.
class QtFileChooser : public FileChooser {
  public:
    explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    // "Image files |*.bmp;*.jpg;*.png|" as Qt name filters, each pattern matching in any letter
    // case.
    static QStringList nameFilters(const std::string& filter,
                                   const std::vector<std::string>& alsoAccept);

  protected:
    bool choose(Mode mode) override;

  private:
    QWidget* parent_;
};

} // namespace tessary
