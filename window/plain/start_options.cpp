#include "start_options.h"

#include <string_view>

#include "number_text.h"
#include "year_range.h"

namespace {

// A value from the command line, quoted for a message that must stay on one line.
std::string quoted(std::string_view text) {
    std::string q = "'";
    for (const char c : text) q += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    return q + '\'';
}

bool acceptedYear(const std::string& text) {
    const std::optional<double> x = textToNumber(text);
    return x && *x >= year_range::kFirstYear && *x <= year_range::kLastYear;
}

}  // namespace

StartOptions parseStartOptions(int argc, const char* const* argv, bool qtOptionsLeft) {
    StartOptions options;
    std::optional<std::string> region;
    for (int i = 1; i < argc && options.error.empty(); ++i) {
        const std::string_view arg{argv[i]};
        const bool isYear = arg == "--year" || arg.starts_with("--year=");
        const bool isRegion = arg == "--region" || arg.starts_with("--region=");
        if (!isYear && !isRegion) {
            if (!qtOptionsLeft)
                options.error =
                    "unknown argument " + quoted(arg) + "; the window takes --year YEAR and --region ID";
            continue;
        }
        const std::string_view name = isYear ? "--year" : "--region";
        std::optional<std::string>& target = isYear ? options.year : region;
        if (target) {
            options.error = std::string{name} + " is given twice; give it once";
        } else if (arg.size() > name.size()) {
            target = std::string{arg.substr(name.size() + 1)};
        } else if (i + 1 < argc) {
            target = argv[++i];
        } else {
            options.error = std::string{name} + " needs a value";
        }
    }
    if (!options.error.empty()) return options;
    if (options.year && !acceptedYear(*options.year)) {
        options.error = "--year must be a number from 100 to 2100, not " + quoted(*options.year);
    } else if (region) {
        options.region = regions::find(*region);
        if (options.region == nullptr)
            options.error = "unknown region " + quoted(*region) + "; known regions: " + regions::knownIds();
    }
    return options;
}
