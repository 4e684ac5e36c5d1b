// TEMPORARY stand-in for the clause reader, to be deleted when the real reader
// (clause.cpp) lands: it lets the command line be built and run against
// clause.h meanwhile. It reads only today's modern grammar through
// dating::evaluate, skips no words, and gives as reading the expression itself
// with its words joined by single blanks and the year of the day it names.
// The year rule is kept: the days the expression names with its feast in the
// years Y - 1, Y and Y + 1 that lie in year Y of the style.

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

#include "calendar.h"
#include "clause.h"
#include "dating.h"

namespace clause {

namespace {

constexpr std::size_t kLongest = 1000;  // characters

bool validUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        unsigned min = 0;
        if (b >= 0xF0 && b <= 0xF4) {
            length = 4, min = 0x10000;
        } else if (b >= 0xE0) {
            length = 3, min = 0x800;
        } else if (b >= 0xC2 && b < 0xE0) {
            length = 2, min = 0x80;
        } else if (b >= 0x80) {
            return false;
        }
        if (length > 1 && b >= 0xF5) return false;
        if (i + length > text.size()) return false;
        unsigned code = length == 1 ? b : b & (0x7FU >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0U) != 0x80U) return false;
            code = (code << 6U) | (c & 0x3FU);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

std::vector<std::string> words(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    std::vector<std::string> out;
    std::size_t at = text.find_first_not_of(kBlanks);
    while (at != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(kBlanks, at), text.size());
        out.emplace_back(text.substr(at, end - at));
        at = text.find_first_not_of(kBlanks, end);
    }
    return out;
}

std::string joined(const std::vector<std::string>& w, std::size_t count, const std::string& last) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += w[i] + ' ';
    return text + last;
}

// The date as written of a day: a day skipped at the switch keeps its Julian reading.
calendar::Date writtenDate(const regions::Region& region, const dating::Dated& dated) {
    if (dated.text.find("(? ") != std::string::npos) return calendar::julianFromDays(dated.day);
    return regions::dateOf(region, dated.day);
}

bool inStyleYear(const Options& options, const calendar::Date& date, std::int64_t day, int year) {
    if (options.style == year_style::Style::Nieuwjaar) return date.year == year;
    try {
        const auto modern = year_style::toModern(options.style, date.day, date.month, year, *options.region);
        return std::any_of(modern.begin(), modern.end(), [day](const auto& m) { return m.day == day; });
    } catch (const InputError&) {
        return false;
    }
}

}  // namespace

Answer read(std::string_view text, const Options& options) {
    if (!validUtf8(text)) throw InputError("de uitdrukking is geen geldige UTF-8");
    if (std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }) >
        static_cast<std::ptrdiff_t>(kLongest))
        throw InputError("de uitdrukking is langer dan " + std::to_string(kLongest) + " tekens");
    if (std::any_of(text.begin(), text.end(),
                    [](char c) { return (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F; }))
        throw InputError("de uitdrukking bevat een stuurteken");

    std::vector<std::string> w = words(text);
    int year = 0;
    const std::string* last = w.empty() ? nullptr : &w.back();
    if (last == nullptr ||
        std::from_chars(last->data(), last->data() + last->size(), year).ptr != last->data() + last->size() ||
        year < 0 || year > 9999)  // no year to count from: today's grammar says what is wrong
        return {{[&] {
                    const dating::Dated d = dating::evaluate(text, *options.region);
                    return Reading{d.day, d.text, d.iso, joined(w, w.size() - 1, w.back())};
                }()},
                ""};
    if (year >= 0 && year < 100 && options.century) year += *options.century;

    Answer answer;
    std::optional<InputError> own;  // the year's own error, when no year gives a reading
    const auto tryYear = [&](int y) {
        try {
            const dating::Dated d =
                dating::evaluate(joined(w, w.size() - 1, std::to_string(y)), *options.region);
            const calendar::Date date = writtenDate(*options.region, d);
            if (inStyleYear(options, date, d.day, year))
                answer.readings.push_back(
                    {d.day, d.text, d.iso, joined(w, w.size() - 1, std::to_string(date.year))});
            return std::optional{date};
        } catch (const InputError& error) {
            if (y == year) own = error;
            return std::optional<calendar::Date>{};
        }
    };
    // A relation moves a day five weeks at most: a day of the clause's own year
    // between March and October leaves the feasts of the years around it out of
    // that year, and an error that names no year holds for every year.
    const std::optional<calendar::Date> ownDay = tryYear(year);
    const bool alone = options.style == year_style::Style::Nieuwjaar &&
                       (ownDay ? ownDay->year == year && ownDay->month >= 3 && ownDay->month <= 10
                               : std::string_view{own->what()}.find(std::to_string(year).substr(0, 2)) ==
                                     std::string_view::npos);
    if (!alone) {
        tryYear(year - 1);
        tryYear(year + 1);
    }
    if (answer.readings.empty()) {
        if (own) throw *own;
        throw InputError("geen dag in " + std::to_string(year) + " die de uitdrukking noemt");
    }
    std::sort(answer.readings.begin(), answer.readings.end(),
              [](const Reading& a, const Reading& b) { return a.day < b.day; });
    return answer;
}

}  // namespace clause
