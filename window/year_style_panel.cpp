#include "year_style_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include "feast_cells.h"
#include "input_error.h"
#include "window_parts.h"
#include "year_style.h"

using feast_cells::showAnswer;
using window_parts::control;

YearStylePanel::YearStylePanel(const regions::Region& region, QWidget* parent)
    : QGroupBox(QStringLiteral("Jaarstijl"), parent), region_(&region) {
    QGridLayout* grid = feast_cells::build(feast_cells::Area::Jaarstijl, this);
    grid->setColumnStretch(5, 1);  // the modern dates take the spare width
    day_ = control<QLineEdit>(this, "StijlDag");
    month_ = control<QLineEdit>(this, "StijlMaand");
    year_ = control<QLineEdit>(this, "StijlJaar");
    style_ = control<QComboBox>(this, "Stijl");
    modern_ = control<QLabel>(this, "Modern");
    for (QLineEdit* box : {day_, month_, year_}) feast_cells::fitToNumber(box);
    for (const year_style::StyleInfo& s : year_style::styles()) style_->addItem(window_parts::text(s.name));

    for (QLineEdit* box : {day_, month_, year_})
        connect(box, &QLineEdit::textChanged, this, &YearStylePanel::styleChanged);
    connect(style_, &QComboBox::currentIndexChanged, this, &YearStylePanel::styleChanged);
    styleChanged();
}

void YearStylePanel::setRegion(const regions::Region& region) {
    region_ = &region;
    styleChanged();
}

void YearStylePanel::styleChanged() {
    answered_ = false;
    const feast_cells::TypedDate typed = feast_cells::typedDate(day_, month_, year_);
    const auto all = year_style::styles();
    const int index = style_->currentIndex();
    if (!typed.date || index < 0 || static_cast<std::size_t>(index) >= all.size()) {
        showAnswer(modern_, typed.message, !typed.message.isEmpty());
        return;
    }
    const auto [day, month, year] = *typed.date;
    try {
        QStringList lines;
        for (const year_style::Modern& m :
             year_style::toModern(all[static_cast<std::size_t>(index)].style, day, month, year, *region_))
            lines << window_parts::text(m.text);
        showAnswer(modern_, lines.join(QLatin1Char('\n')), false);
        answered_ = !lines.isEmpty();
    } catch (const InputError& e) {
        showAnswer(modern_, QString::fromUtf8(e.what()), true);
    }
}

QString YearStylePanel::copyText() const {
    QString copy;
    if (!answered_) return copy;
    const QString written = QStringLiteral("%1/%2/%3 %4")
                                .arg(day_->text().trimmed(), month_->text().trimmed(),
                                     year_->text().trimmed(), style_->currentText());
    for (const QString& line : feast_cells::answerOf(modern_).split(QLatin1Char('\n')))
        copy += feast_cells::tabbed(written, line);
    return copy;
}
