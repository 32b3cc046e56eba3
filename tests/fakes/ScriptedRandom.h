// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/RandomSource.h"

#include <deque>
#include <utility>

namespace tessary::testing {

// Hands out the given values in turn, then repeats the last.
class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(std::deque<double> values) : values_(std::move(values)) {}
    double next() override {
        if (!values_.empty()) {
            last_ = values_.front();
            values_.pop_front();
        }
        return last_;
    }

  private:
    std::deque<double> values_;
    double last_ = 0.0;
};

} // namespace tessary::testing
