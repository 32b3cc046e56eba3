// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/MidiLength.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace tessary {

namespace {

constexpr uint32_t kDefaultTempo = 500000; // microseconds per quarter note (120 beats a minute)
constexpr std::size_t kLargestFile = 64u << 20;

struct TempoChange {
    uint64_t tick;
    uint32_t microsPerQuarter;
};

struct Track {
    uint64_t lastTick = 0;
    std::vector<TempoChange> tempos;
};

class ByteCursor {
  public:
    ByteCursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::size_t left() const { return bytes_.size() - pos_; }

    std::optional<uint8_t> byte() {
        if (atEnd())
            return std::nullopt;
        return bytes_[pos_++];
    }

    std::optional<uint32_t> bigEndian(int count) {
        if (left() < static_cast<std::size_t>(count))
            return std::nullopt;
        uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = (value << 8) | bytes_[pos_++];
        return value;
    }

    // A variable-length quantity: seven bits a byte, at most four bytes.
    std::optional<uint32_t> varLength() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            auto b = byte();
            if (!b)
                return std::nullopt;
            value = (value << 7) | (*b & 0x7Fu);
            if ((*b & 0x80u) == 0)
                return value;
        }
        return std::nullopt;
    }

    bool skip(std::size_t count) {
        if (left() < count)
            return false;
        pos_ += count;
        return true;
    }

    std::span<const uint8_t> take(std::size_t count) {
        count = std::min(count, left());
        auto part = bytes_.subspan(pos_, count);
        pos_ += count;
        return part;
    }

  private:
    std::span<const uint8_t> bytes_;
    std::size_t pos_ = 0;
};

int channelDataBytes(uint8_t status) {
    const uint8_t kind = status & 0xF0u;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

// Reads one track's events; stops quietly at the first event that is cut off or malformed.
Track readTrack(std::span<const uint8_t> data) {
    Track track;
    ByteCursor in(data);
    uint64_t tick = 0;
    uint8_t running = 0;
    while (!in.atEnd()) {
        auto delta = in.varLength();
        auto first = delta ? in.byte() : std::nullopt;
        if (!first)
            break;
        const uint64_t eventTick = tick + *delta;
        uint8_t status = *first;
        bool whole = true;
        if (status < 0x80) {
            // Running status: the byte read is already the first data byte.
            if (running == 0)
                break;
            whole = channelDataBytes(running) == 1 || in.skip(1);
        } else if (status < 0xF0) {
            running = status;
            whole = in.skip(channelDataBytes(status));
        } else if (status == 0xF0 || status == 0xF7) {
            running = 0;
            auto length = in.varLength();
            whole = length && in.skip(*length);
        } else if (status == 0xFF) {
            running = 0;
            auto type = in.byte();
            auto length = type ? in.varLength() : std::nullopt;
            if (!length || in.left() < *length)
                break;
            auto body = in.take(*length);
            if (*type == 0x51 && body.size() == 3) {
                const uint32_t tempo =
                    (uint32_t{body[0]} << 16) | (uint32_t{body[1]} << 8) | body[2];
                if (tempo > 0)
                    track.tempos.push_back({eventTick, tempo});
            }
            if (*type == 0x2F) {
                track.lastTick = eventTick;
                break;
            }
        } else {
            break; // system real-time and common messages do not belong in a file
        }
        if (!whole)
            break;
        tick = eventTick;
        track.lastTick = tick;
    }
    return track;
}

// Seconds from tick 0 to `endTick`. With SMPTE timing tickScale is seconds a tick; otherwise
// it is one over ticks a quarter note, and the tempo changes (sorted by tick) apply.
double ticksToSeconds(uint64_t endTick, const std::vector<TempoChange>& tempos, double tickScale,
                      bool smpte) {
    if (smpte)
        return static_cast<double>(endTick) * tickScale;
    double seconds = 0;
    uint64_t at = 0;
    uint32_t tempo = kDefaultTempo;
    for (const auto& change : tempos) {
        if (change.tick >= endTick)
            break;
        seconds += static_cast<double>(change.tick - at) * tempo * 1e-6 * tickScale;
        at = change.tick;
        tempo = change.microsPerQuarter;
    }
    seconds += static_cast<double>(endTick - at) * tempo * 1e-6 * tickScale;
    return seconds;
}

} // namespace

std::optional<double> midiSongSeconds(std::span<const uint8_t> bytes) {
    ByteCursor in(bytes);
    auto id = in.bigEndian(4);
    auto headerLength = in.bigEndian(4);
    if (!id || *id != 0x4D546864 /* MThd */ || !headerLength || *headerLength < 6)
        return std::nullopt;
    auto format = in.bigEndian(2);
    auto trackCount = in.bigEndian(2);
    auto division = in.bigEndian(2);
    if (!division || !in.skip(*headerLength - 6) || *format > 2 || *division == 0)
        return std::nullopt;

    // Ticks per quarter note, or SMPTE frames a second times ticks per frame.
    const bool smpte = (*division & 0x8000u) != 0;
    double tickScale = 0;
    if (smpte) {
        const int fps = -static_cast<int8_t>(*division >> 8);
        const int perFrame = *division & 0xFF;
        if (fps <= 0 || perFrame == 0)
            return std::nullopt;
        tickScale = 1.0 / ((fps == 29 ? 29.97 : fps) * perFrame);
    } else {
        tickScale = 1.0 / *division;
    }

    std::vector<Track> tracks;
    while (tracks.size() < *trackCount && in.left() >= 8) {
        const uint32_t chunkId = *in.bigEndian(4);
        const uint32_t chunkLength = *in.bigEndian(4);
        auto data = in.take(chunkLength);
        if (chunkId == 0x4D54726B /* MTrk */)
            tracks.push_back(readTrack(data));
    }
    if (tracks.empty())
        return std::nullopt;

    if (*format == 2) {
        // Independent patterns played one after the other, each with its own tempo.
        double total = 0;
        for (const auto& t : tracks)
            total += ticksToSeconds(t.lastTick, t.tempos, tickScale, smpte);
        return total;
    }
    // All tracks play together; a tempo change in any of them applies to all.
    std::vector<TempoChange> tempos;
    uint64_t lastTick = 0;
    for (const auto& t : tracks) {
        tempos.insert(tempos.end(), t.tempos.begin(), t.tempos.end());
        lastTick = std::max(lastTick, t.lastTick);
    }
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    return ticksToSeconds(lastTick, tempos, tickScale, smpte);
}

std::optional<double> midiFileSeconds(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    char buffer[8192];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + file.gcount());
        if (bytes.size() > kLargestFile)
            return std::nullopt;
    }
    return midiSongSeconds(bytes);
}

} // namespace tessary
