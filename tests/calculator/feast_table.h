#pragma once

// The ten guarded feast operations that end in a date, with what the tests know of each.

#include <cstdint>
#include <string>

#include "tarvinde.h"

namespace ref {

using YearText = std::string (Tarvinde::*)(std::int16_t) const;

struct GuardedFeast {
    YearText operation;
    const char* procedure;  // the name its error report shows
    bool movable;
    int day, month;  // fixed feasts: the date; movable feasts: days from Easter in `day`
    const char* note1582;
};

inline constexpr GuardedFeast kGuardedFeasts[] = {
    {&Tarvinde::NieuwjaarDag, "NieuwjaarDag", false, 1, 1, ""},
    {&Tarvinde::OLVtenHemel, "OLVtenHemel", false, 15, 8, ""},
    {&Tarvinde::Allerheiligen, "Allerheiligen", false, 1, 11, ""},
    {&Tarvinde::Allerzielen, "Allerzielen", false, 2, 11, ""},
    {&Tarvinde::Kerstmis, "Kerstmis", false, 25, 12, " (? 4/1/1583)"},
    {&Tarvinde::Oudjaarsavond, "Oudjaarsavond", false, 31, 12, " (? 21/12/1582)"},
    {&Tarvinde::Aswoensdag, "Aswoensdag", true, -46, 0, ""},
    {&Tarvinde::Palmzondag, "Palmzondag", true, -7, 0, ""},
    {&Tarvinde::HemelvaartDag, "HemelvaartDag", true, 39, 0, ""},
    {&Tarvinde::PinksterenDag, "PinksterenDag", true, 49, 0, ""},
};

}  // namespace ref
