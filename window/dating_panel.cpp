#include "dating_panel.h"

#include <algorithm>
#include <string>

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "clause_as_typed.h"
#include "dating.h"
#include "expressions.h"
#include "failure.h"
#include "feast_cells.h"
#include "input_error.h"
#include "window_parts.h"
#include "year_style.h"

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
    style_ = control<QComboBox>(this, "UitdrukkingStijl");
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

    // From 1 January, the first style, unless the record counted otherwise.
    for (const year_style::StyleInfo& s : year_style::styles()) style_->addItem(text(s.name));

    day_->setText(QStringLiteral("11"));
    month_->setText(QStringLiteral("11"));
    year_->setText(QString::number(year));

    connect(expression_, &QLineEdit::textChanged, this, &DatingPanel::expressionChanged);
    connect(style_, &QComboBox::currentIndexChanged, this, &DatingPanel::expressionChanged);
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

// A year below 100 is refused with the reader's message: the window has no
// century to complete it with.
void DatingPanel::expressionChanged() {
    const QString typed = expression_->text().trimmed();
    reading_.reset();
    if (typed.isEmpty()) {
        showAnswer(answer_, QString(), false);
        return;
    }
    clause::Options options;
    options.region = region_;
    const auto styles = year_style::styles();
    const auto index = static_cast<std::size_t>(std::max(style_->currentIndex(), 0));
    if (index < styles.size()) options.style = styles[index].style;
    try {
        reading_ = clause::read(typed.toStdString(), options);
        showAnswer(answer_, answerLines(typed).join(QLatin1Char('\n')), false);
    } catch (const InputError& e) {
        reading_.reset();
        showAnswer(answer_, QString::fromUtf8(e.what()), true);
    } catch (const Failure& f) {  // the calculator's own, as the command line words it
        reading_.reset();
        showAnswer(
            answer_,
            QStringLiteral("Error %1: %2").arg(f.number()).arg(QString::fromStdString(f.description())),
            true);
    }
}

// Each day on a line of its own; under it, indented as on the command line, the
// calendar it is written in (an edition's date before the reform is Julian), what
// it was read as when that is not the clause as typed, and the words skipped.
QStringList DatingPanel::answerLines(const QString& typed) const {
    QStringList lines;
    const std::string clause = typed.toStdString();
    for (const clause::Reading& r : reading_->readings) {
        lines << text(r.text);
        lines << QStringLiteral("  kalender: ") + text(r.calendar);
        if (!clause::readsAsTyped(clause, r.reading))
            lines << QStringLiteral("  gelezen als: ") + text(r.reading);
        if (!reading_->skipped.empty()) lines << QStringLiteral("  overgeslagen: ") + text(reading_->skipped);
    }
    return lines;
}

QString DatingPanel::clauseCaption() const {
    QString typed = expression_->text().trimmed();
    if (style_->currentIndex() <= 0) return typed;  // from 1 January
    return typed + QStringLiteral(" (") + style_->currentText() + QLatin1Char(')');
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
    if (focus == expression_ || focus == style_) {
        if (!reading_) return copy;
        const std::string clause = expression_->text().trimmed().toStdString();
        for (const clause::Reading& r : reading_->readings) {
            copy += tabbed(clauseCaption(), text(r.text));
            copy += tabbed(QStringLiteral("kalender"), text(r.calendar));
            if (!clause::readsAsTyped(clause, r.reading))
                copy += tabbed(QStringLiteral("gelezen als"), text(r.reading));
            if (!reading_->skipped.empty())
                copy += tabbed(QStringLiteral("overgeslagen"), text(reading_->skipped));
        }
        return copy;
    }
    if (!dateAnswered_) return copy;
    copy = tabbed(QStringLiteral("Datum"), feast_cells::answerOf(dateText_));
    for (int row = 0; row < around_->rowCount(); ++row)
        copy += tabbed(around_->item(row, 0)->text(), around_->item(row, 1)->text());
    return copy;
}
