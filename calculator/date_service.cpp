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

// The months' names, each in 16 bytes: one copy of 16 bytes writes any of them.
struct PaddedName {
    char letters[16];
    std::size_t size;
};
constexpr std::array<PaddedName, 12> kPaddedMonths = [] {
    std::array<PaddedName, 12> names{};
    for (std::size_t m = 0; m < 12; ++m) {
        const std::string_view name = dutch::kMonths.at(m);
        for (std::size_t i = 0; i < name.size(); ++i) names.at(m).letters[i] = name[i];
        names.at(m).size = name.size();
    }
    return names;
}();
static_assert(std::all_of(dutch::kMonths.begin(), dutch::kMonths.end(),
                          [](std::string_view name) { return name.size() <= 16; }));

// The digits of a number at `end`, which moves past them.
void writeNumber(char*& end, std::int64_t value) {
    if (value >= 0 && value < 10000) {  // every day and year the program shows
        const auto v = static_cast<unsigned>(value);
        if (v >= 1000) *end++ = static_cast<char>('0' + v / 1000);
        if (v >= 100) *end++ = static_cast<char>('0' + v / 100 % 10);
        if (v >= 10) *end++ = static_cast<char>('0' + v / 10 % 10);
        *end++ = static_cast<char>('0' + v % 10);
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

}  // namespace

void appendDayMonthYear(std::string& text, const calendar::Date& date) {
    // Written in a buffer and appended at once: appending it piece by piece, and
    // std::to_chars, took most of the time of a table of years. The buffer holds
    // the longest text there is, so its indices need no checks.
    const PaddedName& month = kPaddedMonths.at(static_cast<std::size_t>(date.month - 1));
    char buffer[64];  // "-9223372036854775808 " (21), a month's 16 bytes, " -9223372036854775808" (21)
    char* end = buffer;
    writeNumber(end, date.day);
    *end++ = ' ';
    std::memcpy(end, month.letters, sizeof month.letters);
    end += month.size;
    *end++ = ' ';
    writeNumber(end, date.year);
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
