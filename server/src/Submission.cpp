// SPDX-License-Identifier: GPL-3.0-or-later
#include "Submission.h"

#include "Unicode.h"

#include <charconv>

namespace hof {

namespace {

const std::string* firstValue(const Query& query, const std::string& key) {
    const auto it = query.find(key);
    return it == query.end() ? nullptr : &it->second;
}

// A whole number written with digits only, within [low, high].
std::optional<int> numberIn(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.front() == '-')
        return std::nullopt;
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string decode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 &&
                   hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

Query parseQuery(std::string_view query) {
    Query parsed;
    while (!query.empty()) {
        const auto end = query.find('&');
        const std::string_view pair = query.substr(0, end);
        query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
        if (pair.empty())
            continue;
        const auto equals = pair.find('=');
        parsed.emplace(decode(pair.substr(0, equals)), equals == std::string_view::npos
                                                           ? std::string()
                                                           : decode(pair.substr(equals + 1)));
    }
    return parsed;
}

bool isSubmission(const Query& query) {
    return query.count("a") || query.count("b") || query.count("c");
}

std::optional<NameAndSize> splitNameAndSize(std::string_view b) {
    static constexpr std::string_view kSize = " size=";
    const auto at = b.rfind(kSize);
    if (at == std::string_view::npos)
        return std::nullopt;
    return NameAndSize{std::string(b.substr(0, at)), std::string(b.substr(at + kSize.size()))};
}

std::optional<int> printableLength(std::string_view text) {
    const auto codes = decodeUtf8(text);
    if (!codes)
        return std::nullopt;
    for (const char32_t code : *codes)
        if (code < 0x20 || (code >= 0x7F && code <= 0x9F))
            return std::nullopt;
    return static_cast<int>(codes->size());
}

std::optional<std::string> deceptiveName(std::string_view name) {
    const auto codes = decodeUtf8(name);
    if (!codes)
        return std::nullopt;
    bool onlySpaces = true;
    int marksInARow = 0;
    for (const char32_t code : *codes) {
        if (isInvisible(code) || isBidiControl(code))
            return "The name may not hold invisible characters or ones that turn text around.";
        onlySpaces = onlySpaces && isSpace(code);
        marksInARow = isCombiningMark(code) ? marksInARow + 1 : 0;
        if (marksInARow > kMaxMarksInARow)
            return "The name may not stack more than 3 accents on one letter.";
    }
    if (onlySpaces && !codes->empty())
        return "The name is empty.";
    return std::nullopt;
}

SubmissionCheck checkSubmission(const std::string& game, const Query& query) {
    SubmissionCheck check;
    Submission entry;
    entry.game = game;
    auto& problems = check.problems;

    const std::string* a = firstValue(query, "a");
    if (!a)
        problems.push_back("The score (a=) is missing.");
    else if (const auto score = numberIn(*a, kMinScore, kMaxScore))
        entry.score = *score;
    else
        problems.push_back("The score must be a whole number from 1 to 32767.");

    const std::string* b = firstValue(query, "b");
    const auto nameAndSize = b ? splitNameAndSize(*b) : std::nullopt;
    if (!b) {
        problems.push_back("The name (b=) is missing.");
    } else if (!nameAndSize) {
        problems.push_back("The name must be followed by \" size=\" and the number of pieces.");
    } else {
        if (const auto size = numberIn(nameAndSize->size, kMinSize, kMaxSize))
            entry.size = *size;
        else
            problems.push_back("The number of pieces must be a whole number from 4 to 2500.");
        // Compared, counted and stored in one form, so one name typed two ways is one name.
        const std::string_view trimmed = trimSpaces(nameAndSize->name);
        entry.name = composed(trimmed).value_or(std::string(trimmed));
        const auto length = printableLength(entry.name);
        if (!length)
            problems.push_back("The name may hold only printable characters.");
        else if (*length == 0)
            problems.push_back("The name is empty.");
        else if (*length > kMaxNameLength)
            problems.push_back("The name is longer than 40 characters.");
        else if (auto problem = deceptiveName(entry.name))
            problems.push_back(std::move(*problem));
    }

    if (const std::string* c = firstValue(query, "c")) {
        entry.email = std::string(trimSpaces(*c));
        if (entry.email.size() > kMaxEmailLength)
            problems.push_back("The e-mail address is longer than 100 characters.");
        else if (!printableLength(entry.email))
            problems.push_back("The e-mail address may hold only printable characters.");
    }

    if (problems.empty())
        check.submission = std::move(entry);
    return check;
}

} // namespace hof
