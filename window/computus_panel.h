#pragma once

// "Tijdrekening" in the feast window: the computus of the window's year in its
// region, as the handbooks print it beside every year (golden number, epact,
// Sunday letter, concurrent, solar cycle, indictions, Easter table, Paschal
// full moon, Easter), each value beside its caption.

#include <array>

#include <QGroupBox>
#include <QList>
#include <QPair>
#include <QString>

#include "regions.h"
#include "year_computus.h"

class ComputusPanel : public QGroupBox {
public:
    explicit ComputusPanel(QWidget* parent);

    // The values of the year in the region.
    void show(int year, const regions::Region& region);

    // A row per value in the command line's order, "caption, value"; with the
    // year, with the region after it, as the copy gives them; without, as the
    // printed page, whose title names both.
    QList<QPair<QString, QString>> rows(bool withYear) const;

private:
    const regions::Region* region_ = nullptr;
    std::array<year_computus::Cell, year_computus::kColumnCount> cells_{};
};
