#pragma once

// The widest text each control whose text changes can show, for the years 100
// to 2100, and the one whose first glyph reaches furthest left. A control's font
// is made smaller until these and its caption fit (text_fit.h); the font-fit test
// checks over every year that no text is wider or reaches further left.

#include <array>

namespace widest {

struct Row {
    const char* control;
    std::array<const char*, 2> texts;  // nullptr: no second text
    const char* source;                // why these are the widest
};

// One row per control, so that the table reads as data.
// clang-format off
inline constexpr auto kTexts = std::to_array<Row>({
    {"WelkJaar", {"1921", nullptr}, "four digits; the widest year in the narrow sans and in DejaVu"},
    {"TxtKalender", {"Gregoriaans", "Juliaans"}, "the longer calendar name, and the other, whose J reaches left in italics"},
    {"Nieuwjaar", {"donderdag 1 januari 1863", nullptr}, "a Thursday: the longest weekday name"},
    {"Aswoensdag", {"woensdag 26 februari 1716", nullptr}, "always a Wednesday; February, with a two-digit day"},
    {"Palmzondag", {"zondag 16 maart 1326", nullptr}, "always a Sunday; March, wider than April"},
    {"Pasen", {"zondag 30 maart 1214", nullptr}, "always a Sunday; March, wider than April"},
    {"Hemelvaart", {"donderdag 30 april 1136", nullptr}, "always a Thursday; April, with a two-digit day"},
    {"Pinksteren", {"zondag 12 juni 1261", "zondag 13 mei 1663"}, "always a Sunday; June is wider in the narrow sans, May in DejaVu"},
    {"OLVtenHemelopneming", {"donderdag 15 augustus 1521", nullptr}, "a Thursday in August"},
    {"Allerheiligen", {"donderdag 1 november 2029", nullptr}, "a Thursday in November"},
    {"Allerzielen", {"donderdag 2 november 1167", nullptr}, "a Thursday in November"},
    {"Kerstmis", {"dinsdag 25 december 1582 (? 4/1/1583)", nullptr}, "1582, with the note of the calendar change"},
    {"Oudjaarsavond", {"maandag 31 december 1582 (? 21/12/1582)", nullptr}, "1582, with the note of the calendar change"},
    {"txtPasenGallie", {"10 dagen vervallen in december", nullptr}, "the note of 1582, longer than any date of Easter in Gaul"},
    {"TxtCorrecteWeekdag", {"donderdag 23 september 1563", "donderdag 28 september 1797"}, "a Thursday in September: the longest weekday and month names"},
    {"TxtDag", {"28", nullptr}, "two digits"},
    {"TxtMaand", {"10", nullptr}, "two digits"},
    {"Label3", {"  jaartal veelvoud van 4 of 400, niet van 100.", nullptr}, "the Gregorian rule, the longest of the three rules"},
    {"lblPasenGallie", {"Kalenderwijziging 20/12 > 31/12  of  21/12 > 1/1/1583", nullptr}, "the caption of 1582"},
});
// clang-format on

}  // namespace widest
