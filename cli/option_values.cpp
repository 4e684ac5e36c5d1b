// The values of the options the command line and the page share, read in one place.

#include <string>

#include "answers.h"
#include "output.h"

namespace cli {

// The one value of an option, or none; given twice is bad input.
const std::string* singleValue(const OptionValues& values, std::string_view option) {
    if (values.size() > 1)
        throw BadInput(std::string{option} + " is given " + std::to_string(values.size()) +
                       " times; give it once");
    return values.empty() ? nullptr : &values.front();
}

const regions::Region& regionIn(const OptionValues& values) {
    const std::string* id = singleValue(values, "--region");
    if (id == nullptr) return regions::defaultRegion();
    const regions::Region* region = regions::find(*id);
    if (region == nullptr)
        throw BadInput("unknown region " + output::quoted(*id) + "; known regions: " + regions::knownIds());
    return *region;
}

}  // namespace cli
