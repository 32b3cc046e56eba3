// SPDX-License-Identifier: GPL-3.0-or-later
#include "MidiWriter.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace tessary::tools {

namespace {

void putVarLength(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (n-- > 0)
        out.push_back(static_cast<uint8_t>(groups[n] | (n > 0 ? 0x80 : 0)));
}

void putBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

std::vector<uint8_t> metaText(uint8_t type, const std::string& text) {
    std::vector<uint8_t> data{0xFF, type};
    putVarLength(data, static_cast<uint32_t>(text.size()));
    data.insert(data.end(), text.begin(), text.end());
    return data;
}

void putChunk(std::vector<uint8_t>& out, const char* id, const std::vector<uint8_t>& body) {
    out.insert(out.end(), id, id + 4);
    putBigEndian(out, static_cast<uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
}

} // namespace

MidiWriter::MidiWriter(std::string title, double beatsPerMinute, int beatsPerBar)
    : title_(std::move(title)), beatsPerMinute_(beatsPerMinute), beatsPerBar_(beatsPerBar) {}

uint32_t MidiWriter::toTick(double beat) {
    return static_cast<uint32_t>(std::lround(beat * kTicksPerBeat));
}

int MidiWriter::addTrack(const std::string& name, int channel, int program, int volume) {
    Track track{name, channel, {}};
    const auto ch = static_cast<uint8_t>(channel);
    track.events.push_back(
        {0, 0, {static_cast<uint8_t>(0xC0 | ch), static_cast<uint8_t>(program)}});
    track.events.push_back(
        {0, 0, {static_cast<uint8_t>(0xB0 | ch), 7, static_cast<uint8_t>(volume)}});
    tracks_.push_back(std::move(track));
    return static_cast<int>(tracks_.size()) - 1;
}

void MidiWriter::note(int track, double beat, double beats, int key, int velocity) {
    Track& t = tracks_.at(static_cast<std::size_t>(track));
    const auto ch = static_cast<uint8_t>(t.channel);
    const uint32_t on = toTick(beat);
    // A hair shorter than written, so repeated notes sound apart.
    const uint32_t off = std::max(on + 1, toTick(beat + beats) - 10);
    t.events.push_back({on,
                        2,
                        {static_cast<uint8_t>(0x90 | ch), static_cast<uint8_t>(key),
                         static_cast<uint8_t>(velocity)}});
    t.events.push_back(
        {off, 1, {static_cast<uint8_t>(0x80 | ch), static_cast<uint8_t>(key), 0x40}});
}

uint32_t MidiWriter::lastTick() const {
    uint32_t last = 0;
    for (const auto& t : tracks_)
        for (const auto& e : t.events)
            last = std::max(last, e.tick);
    return last;
}

std::vector<uint8_t> MidiWriter::bytes() const {
    const uint32_t end = lastTick();
    std::vector<uint8_t> out;
    putChunk(out, "MThd", {0, 1, 0, static_cast<uint8_t>(tracks_.size() + 1), 0x01, 0xE0});

    // The tempo track: title, tempo and time signature.
    std::vector<uint8_t> conductor;
    auto putEvent = [](std::vector<uint8_t>& body, uint32_t delta,
                       const std::vector<uint8_t>& data) {
        putVarLength(body, delta);
        body.insert(body.end(), data.begin(), data.end());
    };
    putEvent(conductor, 0, metaText(0x03, title_));
    const auto tempo = static_cast<uint32_t>(std::lround(60e6 / beatsPerMinute_));
    putEvent(conductor, 0,
             {0xFF, 0x51, 0x03, static_cast<uint8_t>(tempo >> 16), static_cast<uint8_t>(tempo >> 8),
              static_cast<uint8_t>(tempo)});
    putEvent(conductor, 0, {0xFF, 0x58, 0x04, static_cast<uint8_t>(beatsPerBar_), 2, 24, 8});
    putEvent(conductor, end, {0xFF, 0x2F, 0x00});
    putChunk(out, "MTrk", conductor);

    for (const auto& t : tracks_) {
        auto events = t.events;
        std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<uint8_t> body;
        putEvent(body, 0, metaText(0x03, t.name));
        uint32_t at = 0;
        for (const auto& e : events) {
            putEvent(body, e.tick - at, e.data);
            at = e.tick;
        }
        putEvent(body, end - at, {0xFF, 0x2F, 0x00});
        putChunk(out, "MTrk", body);
    }
    return out;
}

bool MidiWriter::write(const std::string& path) const {
    const auto data = bytes();
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(data.data()),
               static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(file);
}

} // namespace tessary::tools
