// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tessary {

// How long a Standard MIDI File plays: the time of its last event, in seconds, following the
// tempo changes. A song's end is found from this because the synthesizer reports the end of
// playback only seconds later, after the last notes have rung out.
//
// Nothing when the bytes are not a MIDI file. A file cut short counts up to its last whole
// event, so a damaged song still gets an end.
std::optional<double> midiSongSeconds(std::span<const uint8_t> bytes);

// The same for a file on disk; nothing when it cannot be read.
std::optional<double> midiFileSeconds(const std::string& path);

} // namespace tessary
