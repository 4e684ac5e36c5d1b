// `feasts`: every feast of a year used in dating, in the order of their days.

#include <string>
#include <vector>

#include "answers.h"
#include "feasts.h"

namespace cli {

namespace {

// Every column a string; an empty Latin name where the table has none. Text
// shows the name and the day only, without a header. With all feasts, a column
// "noot": a provisional day ("dag onzeker"), where the day was kept and the
// feast's other days; in text after the day.
Answer feastsAnswer(const std::vector<feasts::Occurrence>& list, const regions::Region& region, bool all) {
    Answer answer{
        .data = {.columns = {{"id"}, {"naam"}, {"latijn"}, {"tekst"}, {"iso"}, {"datum"}, {"kalender"}}},
        .text = Table{.columns = {{"naam"}, {"tekst"}}, .header = false}};
    if (all) {
        answer.data.columns.push_back({"noot"});
        answer.text->columns.push_back({"noot"});
    }
    for (const feasts::Occurrence& o : list) {
        answer.data.rows.push_back(
            {std::string{o.feast->id}, std::string{o.feast->name}, std::string{o.feast->latin}, o.text, o.iso,
             regions::dateInForce(region, o.day), std::string{regions::calendarOf(region, o.day)}});
        answer.text->rows.push_back({std::string{o.feast->name}, o.text});
        if (all) {
            answer.data.rows.back().push_back(feasts::listNote(*o.feast));
            answer.text->rows.back().push_back(answer.data.rows.back().back());
        }
    }
    return answer;
}

}  // namespace

Answer feastsAnswer(int year, const regions::Region& region, bool all) {
    return feastsAnswer(feasts::ofYear(year, region, all ? feasts::Set::All : feasts::Set::Main), region,
                        all);
}

}  // namespace cli
