#pragma once

// Whether a clause's reading says no more than what was typed: the command line
// and the feast window show "gelezen als" only when it does.

#include <string_view>

namespace clause {

// True when the reading is the clause as typed, regardless of case (ASCII and
// the Latin-1 letters À to Þ) and of runs of blanks and tabs.
bool readsAsTyped(std::string_view clause, std::string_view reading);

}  // namespace clause
