// Dating on any text: the first byte picks the region, the rest is the
// expression. It must give a date in the years 100 to 2100 or a one-line
// InputError; a date's feasts around it must each read back as that date.
// Anything else aborts the run.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "dating.h"
#include "regions.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto all = regions::all();
    const regions::Region& region = all[data[0] % all.size()];
    const std::string_view expression{reinterpret_cast<const char*>(data + 1), size - 1};

    dating::Dated dated;
    try {
        dated = dating::evaluate(expression, region);
    } catch (const InputError& e) {
        require(std::string_view{e.what()}.find('\n') == std::string_view::npos);
        return 0;
    }
    const calendar::Date shown = regions::dateOf(region, dated.day);
    require(shown.year >= 100 && shown.year <= 2100 && !dated.text.empty() && dated.iso.size() == 10);

    // The date as shown is never a skipped one, so it reads back as the same day.
    const dating::Around around =
        dating::around(shown.day, shown.month, static_cast<int>(shown.year), region);
    require(around.date.day == dated.day);
    for (const dating::Nearby& nearby : around.feasts)
        require(dating::evaluate(nearby.expression, region).day == dated.day);
    return 0;
}
