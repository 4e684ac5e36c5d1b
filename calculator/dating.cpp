#include "dating.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <optional>
#include <tuple>
#include <utility>

#include "calendar.h"
#include "dutch_names.h"
#include "failure.h"
#include "year_range.h"

namespace dating {

namespace {

using feasts::Feast;
using feasts::foldName;

constexpr int kFirstYear = year_range::kFirstYear;
constexpr int kLastYear = year_range::kLastYear;
constexpr int kOctave = 7;
constexpr int kWithin = 7;  // the days on either side that `around` looks at

// Endings a feast's name may carry: "Sint-Maartensdag" and "Sint-Jansmis" name
// the feast day, "Sint-Jansavond" its eve. The longer ending is tried first.
constexpr std::array<std::string_view, 4> kDayEndings{"sdag", "dag", "smis", "mis"};
constexpr std::array<std::string_view, 2> kEveEndings{"savond", "avond"};

// Ordinals, 1 to 5, in words and as numerals.
constexpr std::array<std::string_view, 5> kOrdinalWords{"eerste", "tweede", "derde", "vierde", "vijfde"};
constexpr std::array<std::string_view, 5> kOrdinalNumerals{"1e", "2e", "3e", "4e", "5e"};

// Longer names than any in the table are cut here, in messages and in the search
// for the nearest names (which would otherwise take time in the square of their length).
constexpr std::size_t kLongestName = 60;

std::string_view cut(std::string_view text) {
    if (text.size() <= kLongestName) return text;
    std::size_t end = kLongestName;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) --end;  // whole UTF-8 letters
    return text.substr(0, end);
}

std::string quoted(std::string_view text) {
    return '"' + std::string{cut(text)} + (cut(text).size() < text.size() ? "…\"" : "\"");
}

std::string yearRange() {
    return std::string{year_range::kText};
}

std::vector<std::string_view> words(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    std::vector<std::string_view> out;
    std::size_t at = text.find_first_not_of(kBlanks);
    while (at != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(kBlanks, at), text.size());
        out.push_back(text.substr(at, end - at));
        at = text.find_first_not_of(kBlanks, end);
    }
    return out;
}

std::string joined(std::span<const std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) {
        if (!text.empty()) text += ' ';
        text += part;
    }
    return text;
}

// The names a feast is known by, as written in the table.
std::vector<std::string_view> formsOf(const Feast& feast) {
    std::vector<std::string_view> forms{feast.name};
    for (std::string_view other : {feast.aliases[0], feast.aliases[1], feast.latin})
        if (!other.empty()) forms.push_back(other);
    return forms;
}

// A folded text without one of the endings, where it has one and something remains.
std::vector<std::string> withoutEndings(const std::string& folded,
                                        std::span<const std::string_view> endings) {
    std::vector<std::string> out;
    for (std::string_view ending : endings)
        if (folded.size() > ending.size() && folded.ends_with(ending))
            out.push_back(folded.substr(0, folded.size() - ending.size()));
    return out;
}

// A folded form and its stems: "kerstmis" also as "kerst", so that "Kerstavond"
// and "Kerstdag" find Kerstmis as "Sint-Jansavond" finds Sint-Jan.
std::vector<std::string> stemsOf(std::string_view form) {
    std::string folded = foldName(form);
    std::vector<std::string> stems = withoutEndings(folded, kDayEndings);
    stems.push_back(std::move(folded));
    return stems;
}

struct NameMatch {
    const Feast* feast;
    bool eve;
};

// A whole name, alias or Latin name first; then a stem with a day ending; then
// with an eve ending. Ties in table order.
std::optional<NameMatch> matchName(const std::string& typed) {
    if (typed.empty()) return std::nullopt;
    const auto table = feasts::table();
    for (const Feast& f : table)
        for (std::string_view form : formsOf(f))
            if (foldName(form) == typed) return NameMatch{&f, false};

    const auto findStem = [&](const std::vector<std::string>& candidates) -> const Feast* {
        for (const Feast& f : table)
            for (std::string_view form : formsOf(f))
                for (const std::string& stem : stemsOf(form))
                    if (std::find(candidates.begin(), candidates.end(), stem) != candidates.end()) return &f;
        return nullptr;
    };
    std::vector<std::string> plain = withoutEndings(typed, kDayEndings);
    plain.push_back(typed);
    if (const Feast* f = findStem(plain)) return NameMatch{f, false};
    if (const Feast* f = findStem(withoutEndings(typed, kEveEndings))) return NameMatch{f, true};
    return std::nullopt;
}

std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

[[noreturn]] void unknownName(std::string_view written) {
    const std::string typed{cut(foldName(written))};
    std::vector<std::string> candidates = withoutEndings(typed, kDayEndings);
    for (std::string& s : withoutEndings(typed, kEveEndings)) candidates.push_back(std::move(s));
    candidates.push_back(typed);

    // Each feast by its nearest form, as the table writes it.
    struct Near {
        std::size_t distance;
        std::string_view form;
    };
    std::vector<Near> nearest;
    for (const Feast& f : feasts::table()) {
        Near best{std::string::npos, f.name};
        for (std::string_view form : formsOf(f))
            for (const std::string& candidate : candidates)
                if (const std::size_t d = editDistance(candidate, foldName(form)); d < best.distance)
                    best = {d, form};
        nearest.push_back(best);
    }
    std::stable_sort(nearest.begin(), nearest.end(),
                     [](const Near& a, const Near& b) { return a.distance < b.distance; });
    std::string names;
    for (std::size_t i = 0; i < 3 && i < nearest.size(); ++i)
        names += std::string{i == 0 ? "" : ", "} + std::string{nearest[i].form};
    throw InputError("onbekend feest " + quoted(written) + "; het dichtst bij: " + names);
}

int readYear(std::string_view word) {
    const bool digits =
        !word.empty() && std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) throw InputError("het jaartal ontbreekt aan het eind: " + quoted(word) + " is geen jaartal");
    long long year = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), year);
    if (error != std::errc{} || year < kFirstYear || year > kLastYear)
        throw InputError("jaartal " + std::string{cut(word)} + " ligt buiten " + yearRange());
    return static_cast<int>(year);
}

std::optional<int> weekdayOf(const std::string& folded) {
    for (std::size_t i = 0; i < dutch::kWeekdays.size(); ++i) {
        const std::string_view name = dutch::kWeekdays.at(i);
        if (folded == name ||
            (folded.size() == name.size() + 1 && folded.starts_with(name) && folded.back() == 's'))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<int> ordinalOf(const std::string& folded) {
    for (std::size_t i = 0; i < kOrdinalWords.size(); ++i)
        if (folded == kOrdinalWords.at(i) || folded == kOrdinalNumerals.at(i)) return static_cast<int>(i) + 1;
    return std::nullopt;
}

// "6e", "12de", "7ste": an ordinal, but not one of 1 to 5.
bool looksOrdinal(const std::string& folded) {
    const std::size_t digits = folded.find_first_not_of("0123456789");
    if (digits == 0 || digits == std::string::npos) return false;
    const std::string_view rest = std::string_view{folded}.substr(digits);
    return rest == "e" || rest == "de" || rest == "ste";
}

struct Relation {
    enum class Kind { None, Eve, Octave, After, Before } kind = Kind::None;
    int weekday = 0;         // After, Before
    int count = 1;           // After, Before: the n-th such weekday
    std::size_t nameAt = 0;  // the first word of the feast's name
};

// The relation before the feast's name; a whole name of the table is no relation.
Relation readRelation(std::span<const std::string_view> w) {
    if (matchName(foldName(joined(w)))) return {};
    const auto word = [&](std::size_t i) { return i < w.size() ? foldName(w[i]) : std::string{}; };
    const auto expected = [&](std::size_t i, const std::string& what) -> InputError {
        const std::string after = "na " + quoted(w[i - 1]) + " wordt " + what + " verwacht";
        return InputError(i < w.size() ? after + ", niet " + quoted(w[i]) : after);
    };

    Relation relation;
    std::size_t i = 0;
    const std::string first = word(0);
    if (first == "vooravond" || first == "octaaf") {
        if (word(1) != "van") throw expected(1, quoted("van"));
        relation.kind = first == "vooravond" ? Relation::Kind::Eve : Relation::Kind::Octave;
        i = 2;
    } else if (first == "na" || first == "voor" || first == "van") {
        throw InputError("voor " + quoted(w[0]) +
                         " ontbreekt de weekdag, zoals in \"dinsdag na Sint-Maarten 1450\"");
    } else if (ordinalOf(first) || first == "des" || weekdayOf(first)) {
        if (const std::optional<int> n = ordinalOf(first)) {
            relation.count = *n;
            ++i;
        }
        if (word(i) == "des") ++i;
        const std::optional<int> weekday = weekdayOf(word(i));
        if (!weekday) throw expected(i, "een weekdag (zondag tot zaterdag)");
        relation.weekday = *weekday;
        ++i;
        const std::string direction = word(i);
        if (direction != "na" && direction != "voor")
            throw expected(i, quoted("na") + " of " + quoted("voor"));
        relation.kind = direction == "na" ? Relation::Kind::After : Relation::Kind::Before;
        ++i;
    } else if (looksOrdinal(first)) {
        throw InputError("rangtelwoord " + quoted(w[0]) + " niet begrepen: 1e tot 5e, of eerste tot vijfde");
    } else {
        unknownName(joined(w));
    }
    if (i >= w.size()) throw InputError("na " + quoted(w[i - 1]) + " ontbreekt de naam van een feest");
    relation.nameAt = i;
    return relation;
}

std::int64_t apply(const Relation& relation, std::int64_t day) {
    const int weekday = calendar::weekdayOfDays(day);
    const std::int64_t weeks = 7 * static_cast<std::int64_t>(relation.count - 1);
    switch (relation.kind) {
        case Relation::Kind::None:
            return day;
        case Relation::Kind::Eve:
            return day - 1;
        case Relation::Kind::Octave:
            return day + kOctave;
        case Relation::Kind::After: {
            const int ahead = (relation.weekday - weekday + 7) % 7;
            return day + (ahead == 0 ? 7 : ahead) + weeks;
        }
        case Relation::Kind::Before: {
            const int back = (weekday - relation.weekday + 7) % 7;
            return day - (back == 0 ? 7 : back) - weeks;
        }
    }
    return day;
}

Dated dated(const regions::Region& region, std::int64_t day, std::string text) {
    const std::int64_t year = regions::dateOf(region, day).year;
    if (year < kFirstYear || year > kLastYear)
        throw InputError("de uitkomst, " + regions::dayText(region, day) + ", valt buiten de jaren " +
                         yearRange());
    return {day, std::move(text), regions::isoDate(day)};
}

}  // namespace

Dated evaluate(std::string_view expression, const regions::Region& region) {
    std::vector<std::string_view> w = words(expression);
    if (w.empty())
        throw InputError(
            "lege uitdrukking; verwacht [relatie] feest jaar, zoals \"dinsdag na Sint-Maarten 1450\"");
    const int year = readYear(w.back());
    w.pop_back();
    if (w.empty())
        throw InputError("voor het jaartal " + std::to_string(year) + " ontbreekt de naam van een feest");

    const Relation relation = readRelation(w);
    const std::string name = joined(std::span{w}.subspan(relation.nameAt));
    const std::optional<NameMatch> match = matchName(foldName(name));
    if (!match) unknownName(name);

    const Feast& feast = *match->feast;
    const std::optional<feasts::Occurrence> found = feasts::occurrence(feast, year, region);
    if (!found) {
        if (year < feast.firstYear)
            throw InputError(std::string{feast.name} + " werd in " + std::to_string(year) +
                             " nog niet gevierd (pas vanaf " + std::to_string(feast.firstYear) + ")");
        throw InputError(std::string{feast.name} + " van " + std::to_string(year) + " valt in " +
                         std::string{region.menuName} +
                         " na de kalenderwijziging buiten het jaar en ontbreekt");
    }
    if (relation.kind == Relation::Kind::None && !match->eve) return dated(region, found->day, found->text);
    const std::int64_t day = apply(relation, found->day - (match->eve ? 1 : 0));
    return dated(region, day, regions::dayText(region, day));
}

Around around(int day, int month, int year, const regions::Region& region) {
    const std::string written =
        std::to_string(day) + '/' + std::to_string(month) + '/' + std::to_string(year);
    if (year < kFirstYear || year > kLastYear)
        throw InputError("de datum " + written + " ligt buiten de jaren " + yearRange());
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
        for (const feasts::Occurrence& o : feasts::ofYear(y, region)) {
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
            expression.append(o.feast->name).append(1, ' ').append(std::to_string(y));
            Nearby nearby{relation, o.feast, std::move(expression)};
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
