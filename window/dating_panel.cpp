#include "dating_panel.h"

#include <string>

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "dating.h"
#include "feast_cells.h"
#include "input_error.h"
#include "window_parts.h"

using feast_cells::showAnswer;
using window_parts::control;
using window_parts::text;

DatingPanel::DatingPanel(int year, const regions::Region& region, QWidget* parent)
    : QGroupBox(QStringLiteral("Dateren"), parent), region_(&region) {
    QGridLayout* grid = feast_cells::build(feast_cells::Area::Dateren, this);
    // The date's text takes the spare width, the feasts around it the spare height.
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(3, 1);
    expression_ = control<QLineEdit>(this, "Uitdrukking");
    answer_ = control<QLabel>(this, "Antwoord");
    day_ = control<QLineEdit>(this, "DatumDag");
    month_ = control<QLineEdit>(this, "DatumMaand");
    year_ = control<QLineEdit>(this, "DatumJaar");
    dateText_ = control<QLabel>(this, "DatumTekst");
    around_ = control<QTableWidget>(this, "Rond");
    for (QLineEdit* box : {day_, month_, year_}) feast_cells::fitToNumber(box);

    feast_cells::compactRows(around_, 4);
    around_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);  // as high as its rows ask
    around_->setColumnCount(2);
    around_->setHorizontalHeaderLabels({QStringLiteral("Relatie"), QStringLiteral("Uitdrukking")});
    around_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    around_->setSelectionBehavior(QAbstractItemView::SelectRows);
    around_->verticalHeader()->hide();
    around_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    around_->horizontalHeader()->setStretchLastSection(true);

    day_->setText(QStringLiteral("11"));
    month_->setText(QStringLiteral("11"));
    year_->setText(QString::number(year));

    connect(expression_, &QLineEdit::textChanged, this, &DatingPanel::expressionChanged);
    for (QLineEdit* box : {day_, month_, year_})
        connect(box, &QLineEdit::textChanged, this, &DatingPanel::dateChanged);
    expressionChanged();
    dateChanged();
}

void DatingPanel::setRegion(const regions::Region& region) {
    region_ = &region;
    expressionChanged();
    dateChanged();
}

void DatingPanel::expressionChanged() {
    const std::string typed = expression_->text().trimmed().toStdString();
    expressionAnswered_ = false;
    if (typed.empty()) {
        showAnswer(answer_, QString(), false);
        return;
    }
    try {
        const QStringList lines{text(dating::evaluate(typed, *region_).text)};
        showAnswer(answer_, lines.join(QLatin1Char('\n')), false);
        expressionAnswered_ = true;
    } catch (const InputError& e) {
        showAnswer(answer_, QString::fromUtf8(e.what()), true);
    }
}

void DatingPanel::dateChanged() {
    around_->setRowCount(0);
    dateAnswered_ = false;
    const feast_cells::TypedDate typed = feast_cells::typedDate(day_, month_, year_);
    if (!typed.date) {
        showAnswer(dateText_, typed.message, !typed.message.isEmpty());
        return;
    }
    const auto [day, month, year] = *typed.date;
    try {
        const dating::Around around = dating::around(day, month, year, *region_);
        showAnswer(dateText_, text(around.date.text), false);
        dateAnswered_ = true;
        around_->setRowCount(static_cast<int>(around.feasts.size()));
        for (std::size_t i = 0; i < around.feasts.size(); ++i) {
            const dating::Nearby& n = around.feasts[i];
            const int row = static_cast<int>(i);
            around_->setItem(row, 0, new QTableWidgetItem(text(n.relation)));
            around_->setItem(row, 1, new QTableWidgetItem(text(n.expression)));
        }
    } catch (const InputError& e) {
        showAnswer(dateText_, QString::fromUtf8(e.what()), true);
    }
}

QString DatingPanel::copyText(const QWidget* focus) const {
    using feast_cells::tabbed;
    QString copy;
    if (focus == expression_) {
        // A line of the clipboard for each line of the answer.
        if (expressionAnswered_)
            for (const QString& line : feast_cells::answerOf(answer_).split(QLatin1Char('\n')))
                copy += tabbed(expression_->text().trimmed(), line);
        return copy;
    }
    if (!dateAnswered_) return copy;
    copy = tabbed(QStringLiteral("Datum"), feast_cells::answerOf(dateText_));
    for (int row = 0; row < around_->rowCount(); ++row)
        copy += tabbed(around_->item(row, 0)->text(), around_->item(row, 1)->text());
    return copy;
}
