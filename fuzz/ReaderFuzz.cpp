// SPDX-License-Identifier: GPL-3.0-or-later
// One fuzz target for one data-file reader; READER_CHECK names the check from
// regressions/ReaderChecks.h that judges each input.
#include "regressions/ReaderChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem =
        tessary::checks::READER_CHECK({reinterpret_cast<const char*>(data), size});
    if (!problem.empty()) {
        std::fprintf(stderr, "broken promise: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
