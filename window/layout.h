#pragma once

// The controls of the window as data: one row per control, geometry in twips
// from the top left corner of the client area (below the menu bar). The window
// builds itself from this table, and the tests check every text against it.

#include <array>

namespace layout {

inline constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch
inline constexpr int kClientWidth = 5775;
inline constexpr int kClientHeight = 7320;

enum class Kind { TextBox, Label, Button, CheckBox, Line };
enum class Font { Large, LargeItalic, Medium, Row, WindowDefault };
enum class Background { Own, Desktop, ToolTip };

struct Control {
    const char* name;
    Kind kind;
    const char* text;              // caption or initial text, UTF-8
    int left, top, width, height;  // twips; a Line runs from (left, top) over width
    Font font;
    int tabIndex;  // -1: none (the line)
    bool enabled;
    Background background;
    const char* accessibleName;  // nullptr: the kind's default (caption or buddy label)
};

using K = Kind;
using F = Font;
using B = Background;

// Text boxes lie on top of labels: the New Year's Eve label reaches under the
// left end of its box, the Gaul label and the finder's left labels one pixel
// under the box below them.
// One control per line, so that the layout reads as a table.
// clang-format off
inline constexpr auto kControls = std::to_array<Control>({
    // Top band: calendar name and year entry
    {"TxtKalender", K::TextBox, "", 120, 120, 3375, 615, F::LargeItalic, 6, false, B::Own, "Kalender"},
    {"cmdPlus1", K::Button, "&Plus", 3550, 120, 495, 255, F::WindowDefault, 18, true, B::Own, nullptr},
    {"CmdMin1", K::Button, "&Min", 3550, 470, 495, 255, F::WindowDefault, 19, true, B::Own, nullptr},
    {"WelkJaar", K::TextBox, "1000", 4080, 110, 1575, 600, F::Large, 0, true, B::Own, "Jaar"},
    // Leap-year row
    {"lblSchrikkeljaar", K::Label, "Schrikkeljaar ....", 120, 960, 1695, 255, F::Row, 2, true, B::Desktop, nullptr},
    {"Schrikkeljaar", K::CheckBox, "Check1", 1900, 960, 255, 255, F::WindowDefault, 1, false, B::Desktop, "Schrikkeljaar"},
    {"Label3", K::Label, "jaartal veelvoud van 4 of 400, niet van 100.", 2280, 960, 3375, 255, F::WindowDefault, 17, true, B::ToolTip, nullptr},
    // Feast rows: caption, then the box the year refresh fills
    {"lblNieuwjaar", K::Label, "Nieuwjaar .........", 120, 1440, 1695, 255, F::Row, 3, true, B::Desktop, nullptr},
    {"Nieuwjaar", K::TextBox, "", 1920, 1320, 3735, 300, F::Row, 30, false, B::Own, "Nieuwjaar"},
    {"lblAswoensdag", K::Label, "Aswoensdag ....", 120, 1800, 1695, 255, F::Row, 7, true, B::Desktop, nullptr},
    {"Aswoensdag", K::TextBox, "", 1900, 1680, 3750, 300, F::Row, 20, false, B::Own, "Aswoensdag"},
    {"lblPalmzondag", K::Label, "Palmzondag .....", 120, 2160, 1695, 255, F::Row, 8, true, B::Desktop, nullptr},
    {"Palmzondag", K::TextBox, "", 1900, 2040, 3750, 300, F::Row, 21, false, B::Own, "Palmzondag"},
    {"lblPasen", K::Label, "Pasen (Rome)..", 120, 2520, 1695, 255, F::Row, 9, true, B::Desktop, nullptr},
    {"Pasen", K::TextBox, "", 1900, 2400, 3750, 300, F::Row, 22, false, B::Own, "Pasen (Rome)"},
    {"lblHemelvaart", K::Label, "Hemelvaart ......", 120, 2880, 1695, 255, F::Row, 10, true, B::Desktop, nullptr},
    {"Hemelvaart", K::TextBox, "", 1900, 2760, 3750, 300, F::Row, 23, false, B::Own, "Hemelvaart"},
    {"lblPinksteren", K::Label, "Pinksteren ........", 120, 3240, 1695, 255, F::Row, 11, true, B::Desktop, nullptr},
    {"Pinksteren", K::TextBox, "", 1900, 3120, 3750, 300, F::Row, 24, false, B::Own, "Pinksteren"},
    {"lblOLVtenHemelopneming", K::Label, "OLV ten Hemel .", 120, 3600, 1695, 255, F::Row, 12, true, B::Desktop, nullptr},
    {"OLVtenHemelopneming", K::TextBox, "", 1900, 3480, 3750, 300, F::Row, 25, false, B::Own, "OLV ten Hemel"},
    {"lblAllerheiligen", K::Label, "Allerheiligen .....", 120, 3960, 1695, 255, F::Row, 13, true, B::Desktop, nullptr},
    {"Allerheiligen", K::TextBox, "", 1900, 3840, 3750, 300, F::Row, 26, false, B::Own, "Allerheiligen"},
    {"lblAllerzielen", K::Label, "Allerzielen ........", 120, 4320, 1695, 255, F::Row, 14, true, B::Desktop, nullptr},
    {"Allerzielen", K::TextBox, "", 1900, 4200, 3750, 300, F::Row, 27, false, B::Own, "Allerzielen"},
    {"lblKerstmis", K::Label, "Kerstmis ............", 120, 4680, 1695, 255, F::Row, 15, true, B::Desktop, nullptr},
    {"Kerstmis", K::TextBox, "", 1900, 4560, 3750, 300, F::Row, 28, false, B::Own, "Kerstmis"},
    {"lblOudjaarsavond", K::Label, "Oudjaarsavond .", 120, 5040, 1935, 255, F::Row, 16, true, B::Desktop, nullptr},
    {"Oudjaarsavond", K::TextBox, "", 1900, 4920, 3750, 300, F::Row, 29, false, B::Own, "Oudjaarsavond"},
    // Easter-in-Gaul row; the box takes its accessible name from the label's current caption
    {"lblPasenGallie", K::Label, "Pasen in Gallië", 120, 5400, 5535, 255, F::Row, 4, true, B::Desktop, nullptr},
    {"txtPasenGallie", K::TextBox, "", 120, 5640, 5535, 375, F::Row, 5, false, B::Own, nullptr},
    // Separator, 2 pixels wide
    {"Line1", K::Line, "", 120, 6240, 5520, 30, F::Row, -1, true, B::Own, nullptr},
    // Weekday finder
    {"LblZoekWeekdag", K::Label, "Zoek weekdag >", 240, 6480, 1815, 375, F::Row, 31, true, B::Desktop, nullptr},
    {"LblDagnr", K::Label, "Dag =", 2160, 6480, 735, 375, F::Row, 33, true, B::Desktop, nullptr},
    {"TxtDag", K::TextBox, "11", 3000, 6320, 615, 480, F::Medium, 35, true, B::Own, "Dag"},
    {"Label1", K::Label, "Maand =", 3840, 6480, 975, 255, F::Row, 34, true, B::Desktop, nullptr},
    {"TxtMaand", K::TextBox, "11", 4920, 6320, 615, 480, F::Medium, 36, true, B::Own, "Maand"},
    {"TxtCorrecteWeekdag", K::TextBox, "", 240, 6840, 5295, 375, F::Row, 32, false, B::Own, "Weekdag"},
});
// clang-format on

}  // namespace layout
