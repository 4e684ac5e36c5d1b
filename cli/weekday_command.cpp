// `weekday`: the weekday finder's text for any day and month of a year.

#include <cstdint>
#include <string>

#include "answers.h"
#include "year_view.h"

namespace cli {

Answer weekdayAnswer(std::int16_t day, std::int16_t month, std::int16_t year, const regions::Region& region) {
    const year_view::Finding finding = year_view::findWeekday(region, day, month, year);
    if (!finding.inRange)
        throw BadInput("day " + std::to_string(day) + " of month " + std::to_string(month) + " of " +
                       std::to_string(year) + " reaches " + regions::numericDate(finding.reached) +
                       (finding.julian ? " (Julian)" : " (Gregorian)") + ", outside 1/1/" +
                       std::to_string(year_view::kFirstYear) + " to 31/12/" +
                       std::to_string(year_view::kLastYear));
    const std::string text{year_view::trimmed(finding.text)};
    // JSON names the arguments too; the other formats give the text alone.
    return {.data = {.columns = {{"dag", JsonType::Number},
                                 {"maand", JsonType::Number},
                                 {"jaar", JsonType::Number},
                                 {"tekst"}},
                     .rows = {{std::to_string(day), std::to_string(month), std::to_string(year), text}},
                     .jsonObject = true},
            .delimited = Table{.columns = {{"tekst"}}, .rows = {{text}}, .header = false}};
}

}  // namespace cli
