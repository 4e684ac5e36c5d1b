#include "feast_cells.h"

#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

#include "number_text.h"
#include "refused_mark.h"

namespace feast_cells {

namespace {

QWidget* create(const Cell& c, QWidget* area) {
    const QString text = QString::fromUtf8(c.text);
    switch (c.role) {
        case Role::Label:
            return new QLabel(text, area);
        case Role::Edit: {
            auto* box = new QLineEdit(area);
            box->setPlaceholderText(text);
            return box;
        }
        case Role::Button: {
            auto* button = new QPushButton(text, area);
            button->setFocusPolicy(Qt::TabFocus);  // a click leaves the focus in the year box
            return button;
        }
        case Role::Combo:
            return new QComboBox(area);
        case Role::Table:
            return new QTableView(area);
        case Role::List:
            return new QTableWidget(area);
        case Role::Answer: {
            auto* answer = new QLabel(area);
            answer->setTextFormat(Qt::PlainText);
            answer->setWordWrap(true);
            answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
            QFont bold = answer->font();
            bold.setBold(true);
            answer->setFont(bold);
            return answer;
        }
    }
    return nullptr;
}

// A box that holds a whole number (blanks, sign and a zero fraction allowed);
// nullopt for an empty box, a fraction and a number far outside any date.
std::optional<int> wholeNumberIn(const QLineEdit* box) {
    const std::optional<double> x = textToNumber(box->text().toStdString());
    if (!x || *x != std::floor(*x) || std::fabs(*x) > 1e6) return std::nullopt;
    return static_cast<int>(*x);
}

}  // namespace

QGridLayout* build(Area which, QWidget* area) {
    auto* grid = new QGridLayout(area);
    QLabel* pendingLabel = nullptr;
    for (const Cell& c : kCells) {
        if (c.area != which) continue;
        QWidget* widget = create(c, area);
        widget->setObjectName(QString::fromLatin1(c.name));
        if (c.accessibleName) widget->setAccessibleName(QString::fromUtf8(c.accessibleName));
        if (c.role == Role::Label) {
            pendingLabel = static_cast<QLabel*>(widget);
        } else if (pendingLabel) {
            pendingLabel->setBuddy(widget);
            pendingLabel = nullptr;
        }
        grid->addWidget(widget, c.row, c.column, 1, c.columnSpan);
    }
    return grid;
}

void fitToNumber(QLineEdit* box) {
    const QFontMetrics metrics(box->font());
    const int text = std::max(metrics.horizontalAdvance(box->placeholderText()),
                              metrics.horizontalAdvance(QStringLiteral("00000")));
    box->setFixedWidth(text + 2 * metrics.averageCharWidth() + 8);
}

void compactRows(QTableView* view, int rows) {
    const int row = view->fontMetrics().height() + 6;
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(row);
    view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    view->setMinimumHeight((rows + 1) * row + 2 * view->frameWidth());
}

void showAnswer(QLabel* label, QString text, bool error) {
    int brackets = 0;
    for (QChar& c : text) {
        if (c == QLatin1Char('('))
            ++brackets;
        else if (c == QLatin1Char(')') && brackets > 0)
            --brackets;
        else if (c == QLatin1Char(' ') && brackets > 0 && !error)
            c = QChar::Nbsp;
    }
    label->setText(text);
    refused_mark::showRefused(label, error);
}

QString answerOf(const QLabel* label) {
    return label->text().replace(QChar::Nbsp, QLatin1Char(' '));
}

QString tabbed(const QString& caption, const QString& text) {
    return caption + QLatin1Char('\t') + text + QLatin1Char('\n');
}

TypedDate typedDate(const QLineEdit* day, const QLineEdit* month, const QLineEdit* year) {
    std::array<int, 3> date{};
    std::size_t i = 0;
    bool empty = false;
    for (const QLineEdit* box : {day, month, year}) {
        if (box->text().trimmed().isEmpty()) {
            empty = true;
            continue;
        }
        const std::optional<int> n = wholeNumberIn(box);
        if (!n) return {std::nullopt, QStringLiteral("Dag, maand en jaar zijn hele getallen.")};
        date.at(i++) = *n;
    }
    if (empty) return {std::nullopt, QString()};
    return {date, QString()};
}

}  // namespace feast_cells
