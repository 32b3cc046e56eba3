// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/TiffDataCheck.h"

#include <cstdint>
#include <optional>

namespace tessary {

namespace {

enum : std::uint16_t {
    kStripOffsets = 273,
    kStripByteCounts = 279,
    kTileOffsets = 324,
    kTileByteCounts = 325,
};

// The bytes one value of a field type takes; 0 for a type no reader knows (the field is
// then skipped, as the TIFF reader skips it).
std::uint64_t typeBytes(std::uint16_t type) {
    switch (type) {
    case 1:
    case 2:
    case 6:
    case 7:
        return 1; // bytes, text, signed bytes, undefined
    case 3:
    case 8:
        return 2; // shorts
    case 4:
    case 9:
    case 11:
    case 13:
        return 4; // longs, float, directory
    case 5:
    case 10:
    case 12:
    case 16:
    case 17:
    case 18:
        return 8; // fractions, double, 64-bit
    default:
        return 0;
    }
}

// One directory entry: its tag, type, value count and where its values are.
struct Field {
    std::uint16_t tag = 0;
    std::uint16_t type = 0;
    std::uint64_t count = 0;
    std::uint64_t at = 0; // the file offset of the first value
};

class TiffReader {
  public:
    TiffReader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

    // Reads the header; false when it is not a TIFF's.
    bool header(std::uint64_t& directory) {
        if (size_ < 8 || data_[0] != data_[1] || (data_[0] != 'I' && data_[0] != 'M'))
            return false;
        little_ = data_[0] == 'I';
        const std::uint64_t version = get(2, 2);
        if (version == 42) {
            directory = get(4, 4);
            return true;
        }
        if (version != 43 || size_ < 16 || get(4, 2) != 8)
            return false;
        big_ = true;
        directory = get(8, 8);
        return true;
    }

    bool within(std::uint64_t at, std::uint64_t bytes) const {
        return at <= size_ && bytes <= size_ - at;
    }

    std::uint64_t get(std::uint64_t at, int bytes) const {
        std::uint64_t v = 0;
        for (int k = 0; k < bytes; ++k) {
            const std::uint64_t b = data_[at + std::uint64_t(little_ ? bytes - 1 - k : k)];
            v = v << 8 | b;
        }
        return v;
    }

    int countBytes() const { return big_ ? 8 : 2; }
    int offsetBytes() const { return big_ ? 8 : 4; }
    int entryBytes() const { return big_ ? 20 : 12; }

    // The entry at `at`, whose directory is known to be inside the file.
    Field field(std::uint64_t at) const {
        Field f;
        f.tag = std::uint16_t(get(at, 2));
        f.type = std::uint16_t(get(at + 2, 2));
        f.count = get(at + 4, offsetBytes());
        f.at = at + 4 + std::uint64_t(offsetBytes());
        const std::uint64_t one = typeBytes(f.type);
        if (one != 0 && f.count > std::uint64_t(offsetBytes()) / one)
            f.at = get(f.at, offsetBytes()); // too long to sit in the entry
        return f;
    }

    // The index-th value of a field of whole numbers, when it has one.
    std::optional<std::uint64_t> number(const Field& f, std::uint64_t index) const {
        const std::uint64_t one = typeBytes(f.type);
        if (index >= f.count || (f.type != 3 && f.type != 4 && f.type != 16))
            return std::nullopt;
        return get(f.at + index * one, int(one));
    }

  private:
    const unsigned char* data_;
    std::size_t size_;
    bool little_ = true;
    bool big_ = false;
};

} // namespace

bool tiffDataFits(const unsigned char* data, std::size_t size) {
    TiffReader tiff(data, size);
    std::uint64_t directory = 0;
    if (!tiff.header(directory) || !tiff.within(directory, std::uint64_t(tiff.countBytes())))
        return false;
    const std::uint64_t entries = tiff.get(directory, tiff.countBytes());
    const std::uint64_t first = directory + std::uint64_t(tiff.countBytes());
    const std::uint64_t entryBytes = std::uint64_t(tiff.entryBytes());
    if (entries == 0 || entries > size / entryBytes ||
        !tiff.within(first, entries * entryBytes + std::uint64_t(tiff.offsetBytes())))
        return false;

    std::optional<Field> offsets;
    std::optional<Field> counts;
    for (std::uint64_t e = 0; e < entries; ++e) {
        const Field f = tiff.field(first + e * entryBytes);
        const std::uint64_t one = typeBytes(f.type);
        if (one == 0)
            continue;
        if (f.count > size / one || !tiff.within(f.at, f.count * one))
            return false;
        if (f.tag == kStripOffsets || f.tag == kTileOffsets)
            offsets = f;
        else if (f.tag == kStripByteCounts || f.tag == kTileByteCounts)
            counts = f;
    }
    if (!offsets)
        return false;
    if (!counts)
        return true; // an old uncompressed file may leave them out; the reader works them out
    for (std::uint64_t k = 0; k < offsets->count; ++k) {
        const auto at = tiff.number(*offsets, k);
        const auto bytes = tiff.number(*counts, k);
        if (!at || !bytes || !tiff.within(*at, *bytes))
            return false;
    }
    return true;
}

} // namespace tessary
