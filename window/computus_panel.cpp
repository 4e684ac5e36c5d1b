#include "computus_panel.h"

#include <algorithm>
#include <string_view>

#include <QGridLayout>
#include <QLabel>

#include "feast_cells.h"
#include "window_parts.h"

using window_parts::control;
using window_parts::text;

namespace {

// Which control of the Tijdrekening area shows which value of the computus.
struct Shown {
    std::string_view key;  // year_computus::kColumns
    const char* control;   // feast_cells::kCells; its label is "lbl" + control
};
constexpr Shown kShown[] = {
    {"gulden_getal", "RekGuldenGetal"},    {"epacta", "RekEpacta"},
    {"zondagsletter", "RekZondagsletter"}, {"concurrent", "RekConcurrent"},
    {"zonnecirkel", "RekZonnecirkel"},     {"indictie", "RekIndictie"},
    {"paastafel", "RekPaastafel"},         {"kalender", "RekKalender"},
    {"paasgrens", "RekPaasgrens"},         {"pasen", "RekPasen"},
};

std::size_t columnOf(std::string_view key) {
    const auto& all = year_computus::kColumns;
    return static_cast<std::size_t>(
        std::find_if(all.begin(), all.end(), [key](const auto& c) { return c.key == key; }) - all.begin());
}

}  // namespace

ComputusPanel::ComputusPanel(QWidget* parent) : QGroupBox(QStringLiteral("Tijdrekening"), parent) {
    QGridLayout* grid = feast_cells::build(feast_cells::Area::Tijdrekening, this);
    grid->setColumnStretch(8, 1);  // the values keep to the left, by their captions
    for (const Shown& s : kShown) {
        const QString caption = text(year_computus::kColumns.at(columnOf(s.key)).caption);
        control<QLabel>(this, (QByteArrayLiteral("lbl") + s.control).constData())->setText(caption);
        // Short values on one line each, a blank's width apart from the next caption.
        auto* value = control<QLabel>(this, s.control);
        value->setWordWrap(false);
        value->setContentsMargins(0, 0, value->fontMetrics().averageCharWidth() * 2, 0);
    }
}

void ComputusPanel::show(int year, const regions::Region& region) {
    region_ = &region;
    cells_ = year_computus::cells(year_computus::of(year, region));
    setTitle(QStringLiteral("Tijdrekening van %1").arg(year));
    for (const Shown& s : kShown)
        feast_cells::showAnswer(control<QLabel>(this, s.control), text(cells_.at(columnOf(s.key)).text),
                                false);
    // The indiction from January, and after a slash the one from September on.
    const QString january = text(cells_.at(columnOf("indictie")).text);
    const QString september = text(cells_.at(columnOf("indictie_september")).text);
    auto* indiction = control<QLabel>(this, "RekIndictie");
    indiction->setText(january + QStringLiteral(" / ") + september);
    indiction->setToolTip(QStringLiteral("Indictie %1 vanaf 1 januari; %2 vanaf september, waar men ze "
                                         "op 1 of 24 september liet beginnen")
                              .arg(january, september));
}

QList<QPair<QString, QString>> ComputusPanel::rows(bool withYear) const {
    QList<QPair<QString, QString>> rows;
    for (std::size_t i = 0; i < year_computus::kColumnCount; ++i) {
        const year_computus::Column& c = year_computus::kColumns.at(i);
        if (c.key == "jaar") {
            if (!withYear) continue;
            rows.append({text(c.caption), text(cells_.at(i).text)});
            if (region_) rows.append({QStringLiteral("Regio"), text(region_->menuName)});
            continue;
        }
        rows.append({text(c.caption), text(cells_.at(i).text)});
    }
    return rows;
}
