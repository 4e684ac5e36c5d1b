// Dating on any text: the first byte picks the region, the second the year style
// and, when odd, the century, the rest is the clause. It must give readings in the
// years 100 to 2100 or a one-line InputError; each reading must read back as its
// day, and a day's feasts around it must each read back as that day. Anything
// else aborts the run.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "clause.h"
#include "dating.h"
#include "expressions.h"
#include "regions.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool includes(const clause::Answer& answer, std::int64_t day) {
    return std::any_of(answer.readings.begin(), answer.readings.end(),
                       [&](const clause::Reading& r) { return r.day == day; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const auto all = regions::all();
    const regions::Region& region = all[data[0] % all.size()];
    const auto styles = year_style::styles();
    clause::Options options{&region, std::nullopt, styles[(data[1] / 2) % styles.size()].style};
    if ((data[1] & 1U) != 0) options.century = 100 * (1 + (data[1] / 2) % 20);
    const std::string_view text{reinterpret_cast<const char*>(data + 2), size - 2};

    clause::Answer answer;
    try {
        answer = clause::read(text, options);
    } catch (const InputError& e) {
        require(std::string_view{e.what()}.find('\n') == std::string_view::npos);
        return 0;
    }
    require(!answer.readings.empty());
    for (const clause::Reading& r : answer.readings) {
        const calendar::Date shown = regions::dateOf(region, r.day);
        require(shown.year >= 99 && shown.year <= 2101 && !r.text.empty() && r.iso.size() == 10);
        // The reading, in the modern grammar and the modern year, names the day again.
        const clause::Answer back =
            clause::read(r.reading, {&region, std::nullopt, year_style::Style::Nieuwjaar});
        require(includes(back, r.day));
        if (shown.year < 100 || shown.year > 2100) continue;
        const dating::Around around =
            dating::around(shown.day, shown.month, static_cast<int>(shown.year), region);
        require(around.date.day == r.day);
        for (const dating::Nearby& nearby : around.feasts)
            require(includes(
                clause::read(nearby.expression, {&region, std::nullopt, year_style::Style::Nieuwjaar}),
                r.day));
    }
    return 0;
}
