#pragma once

// The widest text each control whose text changes can show, for the years 100
// to 2100 in every region, and the one whose first glyph reaches furthest left.
// Where another text is nearly as wide, or wider in another family, it is listed
// too. A control's font
// is made smaller until these and its caption fit (text_fit.h); the font-fit test
// checks over every year that no text is wider or reaches further left.

#include <array>

namespace widest {

struct Row {
    const char* control;
    std::array<const char*, 3> texts;  // nullptr: no further text
    const char* source;                // why these are the widest
};

// One row per control, so that the table reads as data.
// clang-format off
inline constexpr auto kTexts = std::to_array<Row>({
    {"WelkJaar", {"1921", nullptr, nullptr}, "four digits; the widest year in the narrow sans and in DejaVu"},
    {"TxtKalender", {"Overgangsjaar", "Gregoriaans", "Juliaans"}, "the year of a region's switch, the Gregorian name, and the Julian, whose J reaches left in italics"},
    {"Nieuwjaar", {"donderdag 1 januari 1863", "woensdag 1 januari 1701 (? 12/1/1701)", nullptr}, "a Thursday; Friesland's New Year skipped in 1701, with its note"},
    {"Aswoensdag", {"woensdag 26 februari 1716", nullptr, nullptr}, "always a Wednesday; February, with a two-digit day"},
    {"Palmzondag", {"zondag 16 maart 1326", nullptr, nullptr}, "always a Sunday; March, wider than April"},
    {"Pasen", {"zondag 30 maart 1214", nullptr, nullptr}, "always a Sunday; March, wider than April"},
    {"Hemelvaart", {"donderdag 30 april 1136", nullptr, nullptr}, "always a Thursday; April, with a two-digit day"},
    {"Pinksteren", {"zondag 12 juni 1261", "zondag 13 mei 1663", nullptr}, "always a Sunday; June is wider in the narrow sans, May in DejaVu"},
    {"OLVtenHemelopneming", {"donderdag 15 augustus 1521", nullptr, nullptr}, "a Thursday in August"},
    {"Allerheiligen", {"donderdag 1 november 2029", nullptr, nullptr}, "a Thursday in November"},
    {"Allerzielen", {"donderdag 2 november 1167", nullptr, nullptr}, "a Thursday in November"},
    {"Kerstmis", {"dinsdag 25 december 1582 (? 4/1/1583)", nullptr, nullptr}, "1582, with the note of the calendar change"},
    {"Oudjaarsavond", {"maandag 31 december 1582 (? 21/12/1582)", nullptr, nullptr}, "1582, with the note of the calendar change"},
    {"txtPasenGallie", {"11 dagen vervallen in september", "10 dagen vervallen in december", nullptr}, "Great Britain's note of 1752 and that of 1582, longer than any date of Easter in Gaul"},
    {"TxtCorrecteWeekdag", {"donderdag 20 december 1582 (? 30/12/1582)", "donderdag 13 december 1582 (? 23/12/1582)", "donderdag 10 september 1752 (? 21/9/1752)"}, "a skipped Thursday with its note, the longest weekday name: the Staten-Generaal's and France's December 1582, Great Britain's September 1752"},
    {"TxtDag", {"28", nullptr, nullptr}, "two digits"},
    {"TxtMaand", {"10", nullptr, nullptr}, "two digits"},
    {"Label3", {"  jaartal veelvoud van 4 of 400, niet van 100.", "  Juliaans tot 30/11, daarna Gregoriaans", nullptr}, "the Gregorian rule, and the longest rule of a year of two calendars (Utrecht, 1700)"},
    {"lblPasenGallie", {"Kalenderwijziging 20/12 > 31/12  of  21/12 > 1/1/1583", "Kalenderwijziging 31/12/1700 > 12/1/1701", nullptr}, "the caption of 1582, and the longest of another region (Friesland, 1700-1701)"},
});
// clang-format on

}  // namespace widest
