#include "feast_panel.h"

#include <algorithm>
#include <string>
#include <vector>

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>

#include "feast_cells.h"
#include "feasts.h"
#include "window_parts.h"

using window_parts::text;

// The rows the filter keeps, in calendar order or sorted by a column's key.
class FeastPanel::Filter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    static constexpr int kSortRole = Qt::UserRole;
    static constexpr int kFeastRole = Qt::UserRole + 1;  // the row's index in feasts::table()

    // The filter compares UTF-8, as the feast table holds its names.
    void setTyped(const QString& typed) {
        typed_ = typed.toStdString();
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const QVariant feast = sourceModel()->index(row, 0, parent).data(kFeastRole);
        return feasts::matchesFilter(feasts::table()[feast.toULongLong()], typed_);
    }

private:
    std::string typed_;
};

FeastPanel::FeastPanel(QWidget* parent) : QWidget(parent) {
    QGridLayout* grid = feast_cells::build(feast_cells::Area::Feesten, this);
    grid->setContentsMargins(0, 0, 0, 0);
    // The region box takes the spare width, the table the spare height.
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(2, 1);
    filter_ = window_parts::control<QLineEdit>(this, "Filter");
    set_ = window_parts::control<QComboBox>(this, "Keuze");
    set_->addItems({QStringLiteral("Hoofdfeesten"), QStringLiteral("Alle feesten")});
    set_->setToolTip(QStringLiteral(
        "Hoofdfeesten: die van de hele Kerk en van de streek. Alle feesten: ook de "
        "heiligen van de bisdommen, met hun andere dagen en \u201cdag onzeker\u201d in de noot."));
    table_ = window_parts::control<QTableView>(this, "Feesten");

    feast_cells::compactRows(table_, 8);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setTextElideMode(Qt::ElideRight);
    // A third click on a header gives back the calendar order.
    table_->horizontalHeader()->setSortIndicatorClearable(true);
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);

    rows_ = new QStandardItemModel(0, 4, this);
    rows_->setHorizontalHeaderLabels(
        {QStringLiteral("Naam"), QStringLiteral("Latijn"), QStringLiteral("Datum"), QStringLiteral("Noot")});
    shown_ = new Filter(this);
    shown_->setSourceModel(rows_);
    shown_->setSortRole(Filter::kSortRole);
    table_->setModel(shown_);
    table_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    table_->setSortingEnabled(true);

    connect(filter_, &QLineEdit::textChanged, this, [this] { shown_->setTyped(filter_->text()); });
    connect(set_, &QComboBox::currentIndexChanged, this, [this] {
        if (region_ != nullptr) fill(year_, *region_);
    });
}

FeastPanel::~FeastPanel() = default;

void FeastPanel::fill(int year, const regions::Region& region) {
    year_ = year;
    region_ = &region;
    const std::vector<feasts::Occurrence> occurrences =
        feasts::ofYear(year, region, set_->currentIndex() == 1 ? feasts::Set::All : feasts::Set::Main);
    const auto table = feasts::table();
    rows_->setRowCount(0);
    for (std::size_t i = 0; i < occurrences.size(); ++i) {
        const feasts::Occurrence& o = occurrences[i];
        const feasts::Feast& f = *o.feast;
        auto* name = new QStandardItem(text(f.name));
        name->setData(text(feasts::foldName(f.name)), Filter::kSortRole);
        name->setData(static_cast<qulonglong>(o.feast - table.data()), Filter::kFeastRole);
        auto* latin = new QStandardItem(text(f.latin));
        latin->setData(text(feasts::foldName(f.latin)), Filter::kSortRole);
        auto* date = new QStandardItem(text(o.text));
        date->setData(static_cast<qulonglong>(i), Filter::kSortRole);  // calendar order
        date->setToolTip(text(o.iso));
        const std::string note = feasts::listNote(f);
        auto* noteItem = new QStandardItem(text(note));
        noteItem->setData(text(feasts::foldName(note)), Filter::kSortRole);
        // The whole note and the sources in the tool tip: a long note is cut short in the column.
        if (!f.source.empty())
            noteItem->setToolTip(
                text(note.empty() ? std::string{f.source} : note + "\n\n" + std::string{f.source}));
        rows_->appendRow({name, latin, date, noteItem});
    }
    // Wide enough for every column in full, so that no date is cut short: the
    // window grows with the table (a small screen scrolls it instead).
    const QAbstractItemView* view = table_;  // sizeHintForColumn is public here
    int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    // The note column, last, takes what width is left: its header at least.
    for (int column = 0; column + 1 < rows_->columnCount(); ++column)
        width +=
            std::max(view->sizeHintForColumn(column), table_->horizontalHeader()->sectionSizeHint(column));
    width += std::max(table_->horizontalHeader()->sectionSizeHint(rows_->columnCount() - 1),
                      table_->horizontalHeader()->defaultSectionSize());
    table_->setMinimumWidth(width);
}

QList<QPair<QString, QString>> FeastPanel::shownRows() const {
    QList<QPair<QString, QString>> rows;
    for (int row = 0; row < shown_->rowCount(); ++row) {
        const QString note = shown_->index(row, 3).data().toString();
        rows.append(
            {shown_->index(row, 0).data().toString(),
             shown_->index(row, 2).data().toString() + (note.isEmpty() ? QString{} : " (" + note + ')')});
    }
    return rows;
}
