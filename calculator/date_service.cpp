#include "date_service.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstring>

#include "dutch_names.h"
#include "failure.h"

namespace date_service {

Carried carry(int year, int month, int day, const std::function<Calendar(std::int64_t, int)>& calendarOf) {
    const std::int64_t y = year + calendar::floorDiv(month - 1, 12);
    const int m = static_cast<int>(month - 1 - calendar::floorDiv(month - 1, 12) * 12) + 1;  // [1, 12]
    const Calendar cal = calendarOf(y, m);
    const std::int64_t counted = (day - 1);
    const calendar::Date date =
        cal == Calendar::Gregorian
            ? calendar::gregorianFromDays(calendar::daysFromGregorian(y, m, 1) + counted)
            : calendar::julianFromDays(calendar::daysFromJulian(y, m, 1) + counted);
    return {date, cal};
}

calendar::Date compose(Calendar cal, int year, int month, int day) {
    // A 16-bit day carries at most about 90 years, so a year this far out can never
    // come back into range; refusing it early also keeps std::chrono::year in its range.
    const std::int64_t y = year + calendar::floorDiv(month - 1, 12);
    if (y < kFirstYear - 100 || y > kLastYear + 100) throw Failure::invalidCall();
    const calendar::Date date = carry(year, month, day, [cal](std::int64_t, int) { return cal; }).date;
    if (date.year < kFirstYear || date.year > kLastYear) throw Failure::invalidCall();
    return date;
}

namespace {

// The months' and weekdays' names, each in 16 bytes: one copy of 16 bytes writes any of them.
struct PaddedName {
    char letters[16];
    std::size_t size;
};
template <std::size_t N>
constexpr std::array<PaddedName, N> padded(const std::array<std::string_view, N>& names) {
    std::array<PaddedName, N> out{};
    for (std::size_t n = 0; n < N; ++n) {
        for (std::size_t i = 0; i < names.at(n).size(); ++i) out.at(n).letters[i] = names.at(n)[i];
        out.at(n).size = names.at(n).size();
    }
    return out;
}
constexpr auto kPaddedMonths = padded(dutch::kMonths);
constexpr auto kPaddedWeekdays = padded(dutch::kWeekdays);
static_assert(std::all_of(dutch::kMonths.begin(), dutch::kMonths.end(),
                          [](std::string_view name) { return name.size() <= 16; }));
static_assert(std::all_of(dutch::kWeekdays.begin(), dutch::kWeekdays.end(),
                          [](std::string_view name) { return name.size() <= 16; }));

// "00" to "99", two digits at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs.at(2 * i) = static_cast<char>('0' + i / 10);
        pairs.at(2 * i + 1) = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// The digits of a number at `end`, which moves past them.
void writeNumber(char*& end, std::int64_t value) {
    if (value >= 0 && value < 10000) {  // every day and year the program shows
        const auto v = static_cast<unsigned>(value);
        const auto pair = [&end](unsigned twoDigits) {
            std::memcpy(end, &kDigitPairs.at(2 * twoDigits), 2);
            end += 2;
        };
        if (v < 10) {
            *end++ = static_cast<char>('0' + v);
        } else if (v < 100) {
            pair(v);
        } else {
            if (v < 1000)
                *end++ = static_cast<char>('0' + v / 100);
            else
                pair(v / 100);
            pair(v % 100);
        }
        return;
    }
    char digits[20];
    char* first = digits + sizeof digits;
    std::uint64_t rest =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        *--first = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    if (value < 0) *end++ = '-';
    while (first != digits + sizeof digits) *end++ = *first++;
}

// "1 januari 2000" at `end`, which moves past it; room for the longest there is:
// "-9223372036854775808 " (21), a month's 16 bytes, " -9223372036854775808" (21).
void writeDayMonthYear(char*& end, const calendar::Date& date) {
    const PaddedName& month = kPaddedMonths.at(static_cast<std::size_t>(date.month - 1));
    writeNumber(end, date.day);
    *end++ = ' ';
    std::memcpy(end, month.letters, sizeof month.letters);
    end += month.size;
    *end++ = ' ';
    writeNumber(end, date.year);
}

}  // namespace

// Written in a buffer and appended at once: appending it piece by piece, and
// std::to_chars, took most of the time of a table of years. The buffer holds
// the longest text there is, so its indices need no checks.
void appendDayMonthYear(std::string& text, const calendar::Date& date) {
    char buffer[64];
    char* end = buffer;
    writeDayMonthYear(end, date);
    text.append(buffer, end);
}

void appendDayMonthYear(std::string& text, int weekday, const calendar::Date& date) {
    const PaddedName& name = kPaddedWeekdays.at(static_cast<std::size_t>(weekday));
    char buffer[96];  // a weekday's 16 bytes and a blank before the 64 above
    char* end = buffer;
    std::memcpy(end, name.letters, sizeof name.letters);
    end += name.size;
    *end++ = ' ';
    writeDayMonthYear(end, date);
    text.append(buffer, end);
}

std::string dayMonthYear(const calendar::Date& date) {
    std::string text;
    appendDayMonthYear(text, date);
    return text;
}

std::string longDate(const calendar::Date& gregorian) {
    using namespace std::chrono;
    const sys_days day = year{static_cast<int>(gregorian.year)} /
                         month{static_cast<unsigned>(gregorian.month)} /
                         std::chrono::day{static_cast<unsigned>(gregorian.day)};
    std::string text{dutch::kWeekdays.at(weekday{day}.c_encoding())};
    text += ' ';
    text += dayMonthYear(gregorian);
    return text;
}

}  // namespace date_service
