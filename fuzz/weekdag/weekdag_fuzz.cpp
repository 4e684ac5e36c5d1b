// Weekdag and the guarded feasts on any 16-bit day, month and year. Weekdag must
// give exactly what the rules predict (a text, or failure 5 or 6); a guarded feast
// must return, with one error report at most. Anything else aborts the run.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "failure.h"
#include "feast_table.h"
#include "reference.h"
#include "tarvinde.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::int16_t values[3] = {};
    std::memcpy(values, data, size < sizeof values ? size : sizeof values);
    const auto [day, month, year] = values;

    ref::RecordingBox box;
    const Tarvinde t(box);
    ref::Outcome outcome;
    try {
        outcome = {0, t.Weekdag(day, month, year)};
    } catch (const Failure& failure) {
        outcome = {failure.number(), ""};
    }
    require(outcome == ref::predictWeekdag(day, month, year));

    for (const auto& feast : ref::kGuardedFeasts) (t.*feast.operation)(year);
    t.PasenGallie(year);
    require(box.shown.size() == ((year < 100 || year > 9999) ? std::size(ref::kGuardedFeasts) : 0));
    return 0;
}
