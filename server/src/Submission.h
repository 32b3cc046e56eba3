// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hof {

// The decoded query of a request, key by key.
using Query = std::multimap<std::string, std::string>;

// The query part of an address ("game=tess&a=1&b=Ann%20size=80"), each value percent- and
// plus-decoded. A value runs from the first "=" to the next "&": the value of "b" holds an
// "=" of its own.
Query parseQuery(std::string_view query);

inline constexpr int kMinScore = 1;
inline constexpr int kMaxScore = 32767;
inline constexpr int kMinSize = 4;
inline constexpr int kMaxSize = 2500;
inline constexpr int kMaxNameLength = 40;   // characters, after trimming and composing
inline constexpr int kMaxEmailLength = 100; // bytes
inline constexpr int kMaxMarksInARow = 3;   // accents stacked on one composed letter

// One result as the game sends it: "a" the score, "b" the name, a space, "size=" and the
// number of pieces, "c" the e-mail (may be empty).
struct Submission {
    std::string game;
    int score = 0;
    int size = 0;
    std::string name;
    std::string email;
};

// Either a checked submission (its name trimmed and composed, see composed() in Unicode.h) or the
// list of what is wrong with it, in words for the player.
struct SubmissionCheck {
    std::optional<Submission> submission;
    std::vector<std::string> problems;
};

// Does the query carry a submission at all (rather than asking for the table)?
bool isSubmission(const Query& query);

SubmissionCheck checkSubmission(const std::string& game, const Query& query);

// The name and the piece count out of "b": split at its last " size=", so a name may itself
// hold " size=". Nothing when "b" has no " size=".
struct NameAndSize {
    std::string name;
    std::string size;
};
std::optional<NameAndSize> splitNameAndSize(std::string_view b);

// Valid UTF-8 without control characters; the count of characters when so.
std::optional<int> printableLength(std::string_view text);

// What makes a printable name show something other than it holds: invisible characters, ones
// that reorder the text, nothing but spaces of any kind, accents piled up. Nothing when fine.
std::optional<std::string> deceptiveName(std::string_view name);

} // namespace hof
