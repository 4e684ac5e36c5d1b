#include "feestkalender.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <type_traits>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "appearance.h"
#include "dating.h"
#include "feasts.h"
#include "number_text.h"
#include "print_page.h"
#include "qt_message_box.h"
#include "refused_mark.h"
#include "screen_fit.h"
#include "year_sheet.h"
#include "year_style.h"
#include "year_view.h"

namespace feestkalender_detail {

// The feast table as shown: the rows the filter keeps, in calendar order or
// sorted by a column's key.
class FeastFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setTyped(const QString& typed) {
        typed_ = typed.toStdString();
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const QVariant feast = sourceModel()->index(row, 0, parent).data(kFeastRole);
        return feasts::matchesFilter(feasts::table()[feast.toULongLong()], typed_);
    }

public:
    static constexpr int kFeastRole = Qt::UserRole + 1;  // the row's index in feasts::table()
    static constexpr int kSortRole = Qt::UserRole;

private:
    std::string typed_;
};

}  // namespace feestkalender_detail

using feestkalender_detail::FeastFilter;

namespace {

// The controls as data: each sits in one of three areas, at a cell of that
// area's grid. The year and region rule the whole window.
enum class Kind { Label, Edit, Button, Combo, Table, Answer };
enum class Area { Feesten, Dateren, Jaarstijl };

struct Control {
    const char* name;
    Kind kind;
    const char* text;  // a label's or button's caption, a box's placeholder
    Area area;
    int row, column, columnSpan;
    const char* accessibleName;  // nullptr: the caption, or the buddy label's
};

using K = Kind;
using A = Area;

// A label names the control that follows it in the table (its buddy).
// clang-format off
constexpr auto kControls = std::to_array<Control>({
    // The year's feasts: year and region, the filter, the table
    {"lblJaar", K::Label, "&Jaar", A::Feesten, 0, 0, 1, nullptr},
    {"Jaar", K::Edit, "", A::Feesten, 0, 1, 1, "Jaar"},
    {"Plus", K::Button, "&Plus", A::Feesten, 0, 2, 1, nullptr},
    {"Min", K::Button, "&Min", A::Feesten, 0, 3, 1, nullptr},
    {"lblRegio", K::Label, "&Regio", A::Feesten, 0, 4, 1, nullptr},
    {"Regio", K::Combo, "", A::Feesten, 0, 5, 1, "Regio"},
    {"lblFilter", K::Label, "&Filter", A::Feesten, 1, 0, 1, nullptr},
    {"Filter", K::Edit, "naam, andere naam of Latijnse naam", A::Feesten, 1, 1, 5, "Filter"},
    {"Feesten", K::Table, "", A::Feesten, 2, 0, 6, "Feesten van het jaar"},
    // Dateren: an expression, and the feasts around a date
    {"lblUitdrukking", K::Label, "&Uitdrukking", A::Dateren, 0, 0, 1, nullptr},
    {"Uitdrukking", K::Edit, "bv. dinsdag na Sint-Maarten 1450", A::Dateren, 0, 1, 5, "Uitdrukking"},
    {"Antwoord", K::Answer, "", A::Dateren, 1, 1, 5, "Antwoord"},
    {"lblRond", K::Label, "Feesten r&ond", A::Dateren, 2, 0, 1, nullptr},
    {"DatumDag", K::Edit, "dag", A::Dateren, 2, 1, 1, "Dag"},
    {"DatumMaand", K::Edit, "maand", A::Dateren, 2, 2, 1, "Maand"},
    {"DatumJaar", K::Edit, "jaar", A::Dateren, 2, 3, 1, "Jaar"},
    {"DatumTekst", K::Answer, "", A::Dateren, 2, 4, 2, "Datum"},
    {"Rond", K::Table, "", A::Dateren, 3, 0, 6, "Feesten rond de datum"},
    // The year style: a date as written, and its modern date or dates
    {"lblStijlDatum", K::Label, "&Datum", A::Jaarstijl, 0, 0, 1, nullptr},
    {"StijlDag", K::Edit, "dag", A::Jaarstijl, 0, 1, 1, "Dag"},
    {"StijlMaand", K::Edit, "maand", A::Jaarstijl, 0, 2, 1, "Maand"},
    {"StijlJaar", K::Edit, "jaar", A::Jaarstijl, 0, 3, 1, "Jaar"},
    {"Stijl", K::Combo, "", A::Jaarstijl, 0, 4, 1, "Stijl"},
    {"Modern", K::Answer, "", A::Jaarstijl, 0, 5, 1, "Moderne datum"},
});
// clang-format on

constexpr const char* kAreaTitles[] = {"", "Dateren", "Jaarstijl"};
constexpr int kAreaStretch[] = {3, 1, 0};

QString q(const std::string& text) {
    return QString::fromStdString(text);
}
QString sv(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A box that holds a whole number (blanks, sign and a zero fraction allowed);
// nullopt for an empty box, a fraction and a number far outside any date.
std::optional<int> wholeNumberIn(const QLineEdit* box) {
    const std::optional<double> x = textToNumber(box->text().toStdString());
    if (!x || *x != std::floor(*x) || std::fabs(*x) > 1e6) return std::nullopt;
    return static_cast<int>(*x);
}

// Three boxes as a date: nullopt with an empty message when a box is empty (the
// answer stays blank while one types), with a message when a box holds no
// whole number.
struct TypedDate {
    std::optional<std::array<int, 3>> date;
    QString message;
};
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

// Rows one line of text high, as in a list; the height the areas' stretch gives,
// at least the header and `rows` rows.
void compactRows(QTableView* view, int rows) {
    const int row = view->fontMetrics().height() + 6;
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(row);
    view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    view->setMinimumHeight((rows + 1) * row + 2 * view->frameWidth());
}

QTableView* feastView(QWidget* parent) {
    auto* view = new QTableView(parent);
    compactRows(view, 8);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setStretchLastSection(true);
    // A third click on a header gives back the calendar order.
    view->horizontalHeader()->setSortIndicatorClearable(true);
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    return view;
}

QTableWidget* aroundView(QWidget* parent) {
    auto* view = new QTableWidget(0, 2, parent);
    compactRows(view, 4);
    view->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);  // as high as its rows ask
    view->setHorizontalHeaderLabels({QStringLiteral("Relatie"), QStringLiteral("Uitdrukking")});
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

// An answer as it is, bold and black; why there is none in the error colour. In
// an answer a note in brackets, as "(? 4/1/1583)", is not broken over lines.
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

// The answer as the calculator gave it, for the clipboard.
QString answerOf(const QLabel* label) {
    return label->text().replace(QChar::Nbsp, QLatin1Char(' '));
}

// "Feestkalender Holland": the window is named by the region it shows.
QString titleFor(const regions::Region& region) {
    return QStringLiteral("Feestkalender ") + sv(region.shortName);
}

QString tabbed(const QString& caption, const QString& text) {
    return caption + QLatin1Char('\t') + text + QLatin1Char('\n');
}

}  // namespace

Feestkalender::Feestkalender(int year, const regions::Region& region, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      year_(std::clamp(year, year_view::kFirstYear, year_view::kLastYear)),
      region_(&region) {
    setObjectName(QStringLiteral("Feestkalender"));
    setWindowTitle(titleFor(region));
    setWindowIcon(appearance::appIcon());
    buildControls();
    buildMenus();

    yearBox_->setText(QString::number(year_));
    const auto all = regions::all();
    for (const regions::Region& r : all) regionBox_->addItem(sv(r.menuName));
    const auto at =
        std::find_if(all.begin(), all.end(), [&](const regions::Region& r) { return r.id == region.id; });
    regionBox_->setCurrentIndex(at == all.end() ? 0 : static_cast<int>(at - all.begin()));
    for (const year_style::StyleInfo& s : year_style::styles()) styleBox_->addItem(sv(s.name));
    // The date entry opens on Sint-Maarten of the window's year.
    dateDay_->setText(QStringLiteral("11"));
    dateMonth_->setText(QStringLiteral("11"));
    dateYear_->setText(QString::number(year_));

    connectHandlers();
    fillTable();
    expressionChanged();
    dateChanged();
    styleChanged();
    // Tall enough for about twenty feasts where the screen allows; on a screen
    // too small for every control the client scrolls.
    screen_fit::fitToScreen(this, QSize(640, 820), minimumSizeHint());
    yearBox_->setFocus();
    // Closed with the window it was opened from, so that it never outlives it.
    if (parent) parent->window()->installEventFilter(this);
}

Feestkalender::~Feestkalender() = default;

void Feestkalender::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->setLayout(new QVBoxLayout);
    auto* column = static_cast<QVBoxLayout*>(client->layout());

    std::array<QGridLayout*, std::size(kAreaTitles)> grids{};
    std::array<QWidget*, std::size(kAreaTitles)> areas{};
    for (std::size_t i = 0; i < grids.size(); ++i) {
        QWidget* area =
            i == 0 ? new QWidget(client) : new QGroupBox(QString::fromUtf8(kAreaTitles[i]), client);
        area->setObjectName(QStringLiteral("area%1").arg(i));
        grids.at(i) = new QGridLayout(area);
        areas.at(i) = area;
        // Spare height goes to the feast table and the list of feasts around a date.
        column->addWidget(area, kAreaStretch[i]);
    }
    grids[0]->setContentsMargins(0, 0, 0, 0);

    QLabel* pendingLabel = nullptr;
    for (const Control& c : kControls) {
        QWidget* area = areas.at(static_cast<std::size_t>(c.area));
        const QString text = QString::fromUtf8(c.text);
        QWidget* widget = nullptr;
        switch (c.kind) {
            case Kind::Label:
                widget = pendingLabel = new QLabel(text, area);
                break;
            case Kind::Edit: {
                auto* box = new QLineEdit(area);
                box->setPlaceholderText(text);
                box->installEventFilter(this);
                widget = box;
                break;
            }
            case Kind::Button:
                widget = new QPushButton(text, area);
                widget->setFocusPolicy(Qt::TabFocus);  // a click leaves the focus in the year box
                break;
            case Kind::Combo:
                widget = new QComboBox(area);
                break;
            case Kind::Table:
                widget = c.area == Area::Feesten ? static_cast<QWidget*>(feastView(area)) : aroundView(area);
                break;
            case Kind::Answer: {
                auto* answer = new QLabel(area);
                answer->setTextFormat(Qt::PlainText);
                answer->setWordWrap(true);
                answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
                QFont bold = answer->font();
                bold.setBold(true);
                answer->setFont(bold);
                widget = answer;
                break;
            }
        }
        widget->setObjectName(QString::fromLatin1(c.name));
        if (c.accessibleName) widget->setAccessibleName(QString::fromUtf8(c.accessibleName));
        if (c.kind != Kind::Label && pendingLabel) {
            pendingLabel->setBuddy(widget);
            pendingLabel = nullptr;
        }
        auto* grid = grids.at(static_cast<std::size_t>(c.area));
        grid->addWidget(widget, c.row, c.column, 1, c.columnSpan);
    }
    // The last column of each area takes the spare width, the tables the spare height.
    grids[0]->setColumnStretch(5, 1);
    grids[0]->setRowStretch(2, 1);
    grids[1]->setColumnStretch(4, 1);
    grids[1]->setRowStretch(3, 1);
    grids[2]->setColumnStretch(5, 1);
    dateren_ = areas[1];
    styleRow_ = areas[2];

    const auto find = [client](auto* member, const char* name) {
        using Widget = std::remove_pointer_t<std::remove_reference_t<decltype(*member)>>;
        *member = client->findChild<Widget*>(QString::fromLatin1(name));
        Q_ASSERT(*member);
    };
    find(&yearBox_, "Jaar");
    find(&plus_, "Plus");
    find(&min_, "Min");
    find(&regionBox_, "Regio");
    find(&filter_, "Filter");
    find(&table_, "Feesten");
    find(&expression_, "Uitdrukking");
    find(&answer_, "Antwoord");
    find(&dateDay_, "DatumDag");
    find(&dateMonth_, "DatumMaand");
    find(&dateYear_, "DatumJaar");
    find(&dateText_, "DatumTekst");
    find(&around_, "Rond");
    find(&styleDay_, "StijlDag");
    find(&styleMonth_, "StijlMaand");
    find(&styleYear_, "StijlJaar");
    find(&styleBox_, "Stijl");
    find(&modern_, "Modern");

    // Short boxes for short numbers: wide enough for their placeholder or a year.
    for (QLineEdit* box : {yearBox_, dateDay_, dateMonth_, dateYear_, styleDay_, styleMonth_, styleYear_}) {
        const QFontMetrics metrics(box->font());
        const int text = std::max(metrics.horizontalAdvance(box->placeholderText()),
                                  metrics.horizontalAdvance(QStringLiteral("00000")));
        box->setFixedWidth(text + 2 * metrics.averageCharWidth() + 8);
    }

    rows_ = new QStandardItemModel(0, 3, this);
    rows_->setHorizontalHeaderLabels(
        {QStringLiteral("Naam"), QStringLiteral("Latijn"), QStringLiteral("Datum")});
    shown_ = new FeastFilter(this);
    shown_->setSourceModel(rows_);
    shown_->setSortRole(FeastFilter::kSortRole);
    table_->setModel(shown_);
    table_->setSortingEnabled(true);
}

void Feestkalender::buildMenus() {
    QMenu* bestand = menuBar()->addMenu(QStringLiteral("&Bestand"));
    bestand->setObjectName(QStringLiteral("MnuBestand"));
    struct Item {
        const char* name;
        const char* text;
        QKeySequence keys;
        void (Feestkalender::*handler)();
    };
    const Item items[] = {
        {"MnuKopieren", "&Kopiëren", QKeySequence(Qt::CTRL | Qt::Key_C), &Feestkalender::copy},
        {"MnuAfdrukken", "Af&drukken…", QKeySequence(Qt::CTRL | Qt::Key_P), &Feestkalender::printClicked},
        {"MnuPdf", "Als &PDF opslaan…", QKeySequence(), &Feestkalender::pdfClicked},
        {nullptr, nullptr, QKeySequence(), nullptr},
        {"MnuSluiten", "&Sluiten", QKeySequence(Qt::CTRL | Qt::Key_W), &Feestkalender::closeWindow},
    };
    for (const Item& item : items) {
        if (!item.name) {
            bestand->addSeparator();
            continue;
        }
        QAction* action = bestand->addAction(QString::fromUtf8(item.text));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcut(item.keys);
        connect(action, &QAction::triggered, this, item.handler);
    }
    // Ctrl+Q ends the program here as in the main window: by closing that window.
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this,
            [this] { (parentWidget() ? parentWidget()->window() : this)->close(); });
}

void Feestkalender::connectHandlers() {
    connect(yearBox_, &QLineEdit::textChanged, this, &Feestkalender::yearChanged);
    connect(plus_, &QPushButton::clicked, this, [this] { stepYear(+1); });
    connect(min_, &QPushButton::clicked, this, [this] { stepYear(-1); });
    connect(regionBox_, &QComboBox::currentIndexChanged, this, &Feestkalender::regionChanged);
    connect(filter_, &QLineEdit::textChanged, this, &Feestkalender::filterChanged);
    connect(expression_, &QLineEdit::textChanged, this, &Feestkalender::expressionChanged);
    for (QLineEdit* box : {dateDay_, dateMonth_, dateYear_})
        connect(box, &QLineEdit::textChanged, this, &Feestkalender::dateChanged);
    for (QLineEdit* box : {styleDay_, styleMonth_, styleYear_})
        connect(box, &QLineEdit::textChanged, this, &Feestkalender::styleChanged);
    connect(styleBox_, &QComboBox::currentIndexChanged, this, &Feestkalender::styleChanged);
}

// A text that is no year from 100 to 2100 is ignored: the table goes on
// showing the last accepted year, and the box, unless empty, is marked as the
// main window's is.
void Feestkalender::yearChanged() {
    const std::optional<double> x = textToNumber(yearBox_->text().toStdString());
    const bool accepted = x && *x >= year_view::kFirstYear && *x <= year_view::kLastYear;
    refused_mark::markYear(yearBox_, !accepted && !yearBox_->text().isEmpty(), year_);
    if (!accepted) return;
    year_ = *toInt16(*x);
    fillTable();
}

// Steps from the year shown, so that Plus and Min work whatever the box holds.
void Feestkalender::stepYear(int step) {
    const int next = std::clamp(year_ + step, year_view::kFirstYear, year_view::kLastYear);
    yearBox_->setText(QString::number(next));
}

void Feestkalender::regionChanged() {
    const auto all = regions::all();
    const int index = regionBox_->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= all.size()) return;
    region_ = &all[static_cast<std::size_t>(index)];
    setWindowTitle(titleFor(*region_));
    fillTable();
    expressionChanged();
    dateChanged();
    styleChanged();
}

void Feestkalender::filterChanged() {
    shown_->setTyped(filter_->text());
}

void Feestkalender::fillTable() {
    const std::vector<feasts::Occurrence> occurrences = feasts::ofYear(year_, *region_);
    const auto table = feasts::table();
    rows_->setRowCount(0);
    for (std::size_t i = 0; i < occurrences.size(); ++i) {
        const feasts::Occurrence& o = occurrences[i];
        const feasts::Feast& f = *o.feast;
        auto* name = new QStandardItem(sv(f.name));
        name->setData(q(feasts::foldName(f.name)), FeastFilter::kSortRole);
        name->setData(static_cast<qulonglong>(o.feast - table.data()), FeastFilter::kFeastRole);
        auto* latin = new QStandardItem(sv(f.latin));
        latin->setData(q(feasts::foldName(f.latin)), FeastFilter::kSortRole);
        auto* date = new QStandardItem(q(o.text));
        date->setData(static_cast<qulonglong>(i), FeastFilter::kSortRole);  // calendar order
        date->setToolTip(q(o.iso));
        rows_->appendRow({name, latin, date});
    }
}

void Feestkalender::expressionChanged() {
    const std::string typed = expression_->text().trimmed().toStdString();
    expressionAnswered_ = false;
    if (typed.empty()) {
        showAnswer(answer_, QString(), false);
        return;
    }
    try {
        showAnswer(answer_, q(dating::evaluate(typed, *region_).text), false);
        expressionAnswered_ = true;
    } catch (const InputError& e) {
        showAnswer(answer_, QString::fromUtf8(e.what()), true);
    }
}

void Feestkalender::dateChanged() {
    around_->setRowCount(0);
    dateAnswered_ = false;
    const TypedDate typed = typedDate(dateDay_, dateMonth_, dateYear_);
    if (!typed.date) {
        showAnswer(dateText_, typed.message, !typed.message.isEmpty());
        return;
    }
    const auto [day, month, year] = *typed.date;
    try {
        const dating::Around around = dating::around(day, month, year, *region_);
        showAnswer(dateText_, q(around.date.text), false);
        dateAnswered_ = true;
        around_->setRowCount(static_cast<int>(around.feasts.size()));
        for (std::size_t i = 0; i < around.feasts.size(); ++i) {
            const dating::Nearby& n = around.feasts[i];
            const int row = static_cast<int>(i);
            around_->setItem(row, 0, new QTableWidgetItem(sv(n.relation)));
            around_->setItem(row, 1, new QTableWidgetItem(q(n.expression)));
        }
    } catch (const InputError& e) {
        showAnswer(dateText_, QString::fromUtf8(e.what()), true);
    }
}

void Feestkalender::styleChanged() {
    styleAnswered_ = false;
    const TypedDate typed = typedDate(styleDay_, styleMonth_, styleYear_);
    const auto all = year_style::styles();
    const int index = styleBox_->currentIndex();
    if (!typed.date || index < 0 || static_cast<std::size_t>(index) >= all.size()) {
        showAnswer(modern_, typed.message, !typed.message.isEmpty());
        return;
    }
    const auto [day, month, year] = *typed.date;
    try {
        QStringList lines;
        for (const year_style::Modern& m :
             year_style::toModern(all[static_cast<std::size_t>(index)].style, day, month, year, *region_))
            lines << q(m.text);
        showAnswer(modern_, lines.join(QLatin1Char('\n')), false);
        styleAnswered_ = !lines.isEmpty();
    } catch (const InputError& e) {
        showAnswer(modern_, QString::fromUtf8(e.what()), true);
    }
}

QString Feestkalender::copyText() const {
    const QWidget* focus = focusWidget();
    QString text;
    if (focus == expression_) {
        if (expressionAnswered_) text = tabbed(expression_->text().trimmed(), answerOf(answer_));
    } else if (focus && dateren_->isAncestorOf(focus)) {
        if (!dateAnswered_) return text;
        text = tabbed(QStringLiteral("Datum"), answerOf(dateText_));
        for (int row = 0; row < around_->rowCount(); ++row)
            text += tabbed(around_->item(row, 0)->text(), around_->item(row, 1)->text());
    } else if (focus && styleRow_->isAncestorOf(focus)) {
        if (!styleAnswered_) return text;
        const QString written = QStringLiteral("%1/%2/%3 %4")
                                    .arg(styleDay_->text().trimmed(), styleMonth_->text().trimmed(),
                                         styleYear_->text().trimmed(), styleBox_->currentText());
        for (const QString& line : answerOf(modern_).split(QLatin1Char('\n'))) text += tabbed(written, line);
    } else {
        for (const auto& [name, date] : page().rows) text += tabbed(name, date);
    }
    return text;
}

print_page::Page Feestkalender::page() const {
    print_page::Page page;
    const regions::Region& r = *region_;
    page.title = QStringLiteral("Feestkalender %1 \u2014 %2").arg(year_).arg(sv(r.menuName));
    for (int row = 0; row < shown_->rowCount(); ++row)
        page.rows.append({shown_->index(row, 0).data().toString(), shown_->index(row, 2).data().toString()});
    // The feasts of a region keep its exact switch days, the default region's too.
    page.footer = sv(r.menuName) + QStringLiteral(": ") + year_sheet::rule(r);
    return page;
}

bool Feestkalender::printPage(QPrinter& printer) const {
    return print_page::render(printer, page());
}

bool Feestkalender::savePdf(const QString& path) const {
    return print_page::savePdf(page(), path);
}

void Feestkalender::printClicked() {
    QPrinter printer(QPrinter::HighResolution);
    if (!print_page::choosePrinter(printer, page(), this)) return;
    if (!printPage(printer))
        QtMessageBox(this).show("De feesten konden niet worden afgedrukt.", MessageBox::kCritical,
                                "Feestkalender");
}

void Feestkalender::pdfClicked() {
    const QString path = print_page::askPdfPath(QStringLiteral("feestkalender-%1.pdf").arg(year_), this);
    if (path.isEmpty()) return;
    if (!savePdf(path))
        QtMessageBox(this).show(
            "Het PDF-bestand kon niet worden geschreven:\r" + QDir::toNativeSeparators(path).toStdString(),
            MessageBox::kCritical, "Feestkalender");
}

void Feestkalender::copy() {
    const QString text = copyText();
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void Feestkalender::closeWindow() {
    close();
}

bool Feestkalender::eventFilter(QObject* watched, QEvent* event) {
    // Hidden by a close, not by the window system (a minimize).
    if (parentWidget() && watched == parentWidget()->window() && event->type() == QEvent::Hide &&
        !event->spontaneous())
        close();
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && event->type() == QEvent::ShortcutOverride) {
        // A box takes Ctrl+C for itself; with nothing selected, let it reach "Kopiëren".
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !box->hasSelectedText())
            return true;
    }
    if (watched == yearBox_ && event->type() == QEvent::KeyPress) {
        // Up and Down step the year like Plus and Min.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
                stepYear(key->key() == Qt::Key_Up ? +1 : -1);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
