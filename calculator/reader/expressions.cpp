#include "expressions.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

#include "clause.h"
#include "year_range.h"

namespace dating {

namespace {

using feasts::Feast;

constexpr int kFirstYear = year_range::kFirstYear;
constexpr int kLastYear = year_range::kLastYear;
constexpr int kOctave = 7;
constexpr int kWithin = 7;  // the days on either side that `around` looks at

// Whether a clause's readings include the day.
bool readsAs(const std::string& expression, std::int64_t day, const regions::Region& region) {
    try {
        const clause::Answer answer =
            clause::read(expression, {&region, std::nullopt, year_style::Style::Nieuwjaar});
        return std::any_of(answer.readings.begin(), answer.readings.end(),
                           [&](const clause::Reading& r) { return r.day == day; });
    } catch (const InputError&) {
        return false;
    }
}

}  // namespace

Dated evaluate(std::string_view expression, const regions::Region& region) {
    const clause::Answer answer =
        clause::read(expression, {&region, std::nullopt, year_style::Style::Nieuwjaar});
    const clause::Reading& first = answer.readings.front();
    return {first.day, first.text, first.iso};
}

Around around(int day, int month, int year, const regions::Region& region, feasts::Set set) {
    const std::string written =
        std::to_string(day) + '/' + std::to_string(month) + '/' + std::to_string(year);
    if (year < kFirstYear || year > kLastYear)
        throw InputError("de datum " + written + " ligt buiten de jaren " + std::string{year_range::kText});
    const std::optional<regions::Reading> reading = regions::readDate(region, year, month, day);
    if (!reading)
        throw InputError("de datum " + written + " bestaat niet in " + std::string{region.menuName});

    // Shown as a date written day/month/year: a date skipped at the switch keeps
    // its note, so that it never reads as a day that was kept.
    Around result;
    result.date = {reading->day, regions::fixedDateText(region, year, month, day),
                   regions::isoDate(reading->day)};

    const std::string weekday = regions::weekdayName(reading->day);
    struct Entry {
        std::int64_t distance;
        int rank;
        const Feast* feast;
        Nearby nearby;
    };
    std::vector<Entry> entries;
    for (int y = std::max(year - 1, kFirstYear); y <= std::min(year + 1, kLastYear); ++y) {
        std::vector<feasts::Occurrence> days;
        if (set == feasts::Set::Main) {
            days = feasts::ofYear(y, region);
        } else {
            for (const feasts::Feast& f : feasts::table())
                for (feasts::Occurrence& o : feasts::occurrences(f, y, region)) days.push_back(std::move(o));
        }
        for (const feasts::Occurrence& o : days) {
            const std::int64_t offset = o.day - reading->day;  // > 0: the feast lies after the date
            if (offset < -kWithin || offset > kWithin) continue;
            // The relation, and the words before the feast's name in its expression.
            std::string_view relation = "op";
            std::string expression;
            int rank = 0;  // the weekday relations before the eve and the octave
            if (offset == 1) {
                relation = "vooravond";
                expression = "vooravond van ";
                rank = 1;
            } else if (offset == -kOctave) {
                relation = "octaaf";
                expression = "octaaf van ";
                rank = 1;
            } else if (offset != 0) {
                relation = offset > 0 ? "voor" : "na";
                expression.append(weekday).append(1, ' ').append(relation).append(1, ' ');
            }
            expression.append(o.feast->name).append(1, ' ');
            // The year of the date as written; for a date skipped at the switch, that
            // of the day it names when only that reads back.
            std::string withYear = expression + std::to_string(year);
            if (!readsAs(withYear, reading->day, region)) {
                withYear = expression + std::to_string(regions::dateOf(region, reading->day).year);
                if (!readsAs(withYear, reading->day, region)) continue;
            }
            std::string note = feasts::labelText(o);  // " (Utrecht, dag onzeker)"
            if (!note.empty()) note = note.substr(2, note.size() - 3);
            Nearby nearby{relation, o.feast, std::move(withYear), std::move(note)};
            entries.push_back({offset < 0 ? -offset : offset, rank, o.feast, std::move(nearby)});
        }
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.distance, a.rank, a.feast) < std::tie(b.distance, b.rank, b.feast);
    });
    for (Entry& e : entries) result.feasts.push_back(std::move(e.nearby));
    return result;
}

}  // namespace dating
