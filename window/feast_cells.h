#pragma once

// The feast window's controls as data, and what its panels share. Each control
// sits at a cell of the grid of one of the window's four areas: the year's
// feasts (with the window's own year and region above them), the year's
// reckoning (Tijdrekening), Dateren and Jaarstijl. The window and each of its panels build their area from
// the table; the tests find every control by its name.

#include <array>
#include <optional>

#include <QString>

class QGridLayout;
class QLabel;
class QLineEdit;
class QTableView;
class QWidget;

namespace feast_cells {

enum class Role { Label, Edit, Button, Combo, Table, List, Answer };
enum class Area { Feesten, Tijdrekening, Dateren, Jaarstijl };

struct Cell {
    const char* name;
    Role role;
    const char* text;  // a label's or button's caption, a box's placeholder
    Area area;
    int row, column, columnSpan;
    const char* accessibleName;  // nullptr: the caption, or the buddy label's
};

using R = Role;
using A = Area;

// A label names the control that follows it in the table (its buddy).
// clang-format off
inline constexpr auto kCells = std::to_array<Cell>({
    // The year's feasts: the window's year and region, the filter, the table
    {"lblJaar", R::Label, "&Jaar", A::Feesten, 0, 0, 1, nullptr},
    {"Jaar", R::Edit, "", A::Feesten, 0, 1, 1, "Jaar"},
    {"Plus", R::Button, "&Plus", A::Feesten, 0, 2, 1, nullptr},
    {"Min", R::Button, "&Min", A::Feesten, 0, 3, 1, nullptr},
    {"lblRegio", R::Label, "&Regio", A::Feesten, 0, 4, 1, nullptr},
    {"Regio", R::Combo, "", A::Feesten, 0, 5, 1, "Regio"},
    {"lblFilter", R::Label, "&Filter", A::Feesten, 1, 0, 1, nullptr},
    {"Filter", R::Edit, "naam, Latijnse naam of plaats", A::Feesten, 1, 1, 4, "Filter"},
    {"Keuze", R::Combo, "", A::Feesten, 1, 5, 1, "Welke feesten"},
    {"Feesten", R::Table, "", A::Feesten, 2, 0, 6, "Feesten van het jaar"},
    // The year's reckoning: each value beside its caption, which the panel takes
    // from year_computus::kColumns; the indiction from January and from
    // September share a cell.
    {"lblRekGuldenGetal", R::Label, "", A::Tijdrekening, 0, 0, 1, nullptr},
    {"RekGuldenGetal", R::Answer, "", A::Tijdrekening, 0, 1, 1, "Gulden getal"},
    {"lblRekEpacta", R::Label, "", A::Tijdrekening, 0, 2, 1, nullptr},
    {"RekEpacta", R::Answer, "", A::Tijdrekening, 0, 3, 1, "Epacta"},
    {"lblRekZondagsletter", R::Label, "", A::Tijdrekening, 0, 4, 1, nullptr},
    {"RekZondagsletter", R::Answer, "", A::Tijdrekening, 0, 5, 1, "Zondagsletter"},
    {"lblRekConcurrent", R::Label, "", A::Tijdrekening, 0, 6, 1, nullptr},
    {"RekConcurrent", R::Answer, "", A::Tijdrekening, 0, 7, 1, "Concurrent"},
    {"lblRekZonnecirkel", R::Label, "", A::Tijdrekening, 1, 0, 1, nullptr},
    {"RekZonnecirkel", R::Answer, "", A::Tijdrekening, 1, 1, 1, "Zonnecirkel"},
    {"lblRekIndictie", R::Label, "", A::Tijdrekening, 1, 2, 1, nullptr},
    {"RekIndictie", R::Answer, "", A::Tijdrekening, 1, 3, 1, "Indictie, vanaf september"},
    {"lblRekPaastafel", R::Label, "", A::Tijdrekening, 1, 4, 1, nullptr},
    {"RekPaastafel", R::Answer, "", A::Tijdrekening, 1, 5, 1, "Paastafel"},
    {"lblRekKalender", R::Label, "", A::Tijdrekening, 1, 6, 1, nullptr},
    {"RekKalender", R::Answer, "", A::Tijdrekening, 1, 7, 1, "Kalender"},
    {"lblRekPaasgrens", R::Label, "", A::Tijdrekening, 2, 0, 1, nullptr},
    {"RekPaasgrens", R::Answer, "", A::Tijdrekening, 2, 1, 3, "Paasgrens"},
    {"lblRekPasen", R::Label, "", A::Tijdrekening, 2, 4, 1, nullptr},
    {"RekPasen", R::Answer, "", A::Tijdrekening, 2, 5, 3, "Pasen"},
    // Dateren: a clause in a year style, and the feasts around a date
    {"lblUitdrukking", R::Label, "&Uitdrukking", A::Dateren, 0, 0, 1, nullptr},
    {"Uitdrukking", R::Edit, "bv. dinsdag na Sint-Maarten 1450", A::Dateren, 0, 1, 4, "Uitdrukking"},
    {"UitdrukkingStijl", R::Combo, "", A::Dateren, 0, 5, 1, "Jaarstijl van de uitdrukking"},
    {"Antwoord", R::Answer, "", A::Dateren, 1, 1, 5, "Antwoord"},
    {"lblRond", R::Label, "Feesten r&ond", A::Dateren, 2, 0, 1, nullptr},
    {"DatumDag", R::Edit, "dag", A::Dateren, 2, 1, 1, "Dag"},
    {"DatumMaand", R::Edit, "maand", A::Dateren, 2, 2, 1, "Maand"},
    {"DatumJaar", R::Edit, "jaar", A::Dateren, 2, 3, 1, "Jaar"},
    {"DatumTekst", R::Answer, "", A::Dateren, 2, 4, 2, "Datum"},
    {"Rond", R::List, "", A::Dateren, 3, 0, 6, "Feesten rond de datum"},
    // The year style: a date as written, and its modern date or dates
    {"lblStijlDatum", R::Label, "&Datum", A::Jaarstijl, 0, 0, 1, nullptr},
    {"StijlDag", R::Edit, "dag", A::Jaarstijl, 0, 1, 1, "Dag"},
    {"StijlMaand", R::Edit, "maand", A::Jaarstijl, 0, 2, 1, "Maand"},
    {"StijlJaar", R::Edit, "jaar", A::Jaarstijl, 0, 3, 1, "Jaar"},
    {"Stijl", R::Combo, "", A::Jaarstijl, 0, 4, 1, "Stijl"},
    {"Modern", R::Answer, "", A::Jaarstijl, 0, 5, 1, "Moderne datum"},
});
// clang-format on

// The area's controls, in the table's order, in the grid of `area` (a new one).
QGridLayout* build(Area which, QWidget* area);

// A box for a short number: wide enough for its placeholder or a year.
void fitToNumber(QLineEdit* box);
// Rows one line of text high, as in a list; the height the areas' stretch gives,
// at least the header and `rows` rows.
void compactRows(QTableView* view, int rows);

// An answer as it is, bold and black; why there is none in the error colour. A
// note in brackets in an answer, as "(? 4/1/1583)", is not broken over lines.
// Several answers go on lines of their own.
void showAnswer(QLabel* label, QString text, bool error);
// The answer as the calculator gave it, for the clipboard.
QString answerOf(const QLabel* label);

// A line of the clipboard: "caption<TAB>text".
QString tabbed(const QString& caption, const QString& text);

// Three boxes as a date: nullopt with an empty message when a box is empty (the
// answer stays blank while one types), with a message when a box holds no
// whole number.
struct TypedDate {
    std::optional<std::array<int, 3>> date;  // day, month, year
    QString message;
};
TypedDate typedDate(const QLineEdit* day, const QLineEdit* month, const QLineEdit* year);

}  // namespace feast_cells
