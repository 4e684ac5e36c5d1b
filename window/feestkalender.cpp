#include "feestkalender.h"

#include <algorithm>
#include <optional>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "appearance.h"
#include "computus_panel.h"
#include "dating_panel.h"
#include "feast_cells.h"
#include "feast_panel.h"
#include "number_text.h"
#include "qt_message_box.h"
#include "refused_mark.h"
#include "screen_fit.h"
#include "window_parts.h"
#include "year_sheet.h"
#include "year_style_panel.h"
#include "year_view.h"

using window_parts::control;
using window_parts::text;

namespace {

// "Feestkalender Holland": the window is named by the region it shows.
QString titleFor(const regions::Region& region) {
    return QStringLiteral("Feestkalender ") + text(region.shortName);
}

}  // namespace

Feestkalender::Feestkalender(int year, const regions::Region& region, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      year_(std::clamp(year, year_view::kFirstYear, year_view::kLastYear)),
      region_(&region) {
    setObjectName(QStringLiteral("Feestkalender"));
    setWindowTitle(titleFor(region));
    setWindowIcon(appearance::appIcon());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    auto* column = new QVBoxLayout(client);
    feasts_ = new FeastPanel(client);
    computus_ = new ComputusPanel(client);
    dating_ = new DatingPanel(year_, region, client);
    style_ = new YearStylePanel(region, client);
    // Spare height goes to the feast table and the list of feasts around a date.
    column->addWidget(feasts_, 3);
    column->addWidget(computus_, 0);
    column->addWidget(dating_, 1);
    column->addWidget(style_, 0);
    feasts_->setObjectName(QStringLiteral("PanelFeesten"));
    computus_->setObjectName(QStringLiteral("PanelTijdrekening"));
    dating_->setObjectName(QStringLiteral("PanelDateren"));
    style_->setObjectName(QStringLiteral("PanelJaarstijl"));

    yearBox_ = control<QLineEdit>(feasts_, "Jaar");
    regionBox_ = control<QComboBox>(feasts_, "Regio");
    feast_cells::fitToNumber(yearBox_);
    auto* keys = new window_parts::BoxKeys([this](int step) { stepYear(step); }, 0, this);
    for (QLineEdit* box : client->findChildren<QLineEdit*>()) keys->watch(box);
    keys->watchYear(yearBox_);
    buildMenus();

    yearBox_->setText(QString::number(year_));
    for (const regions::Region& r : regions::all()) regionBox_->addItem(text(r.menuName));
    chooseRegion(region);
    connect(yearBox_, &QLineEdit::textChanged, this, &Feestkalender::yearChanged);
    connect(control<QPushButton>(feasts_, "Plus"), &QPushButton::clicked, this, [this] { stepYear(+1); });
    connect(control<QPushButton>(feasts_, "Min"), &QPushButton::clicked, this, [this] { stepYear(-1); });
    connect(regionBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        const auto all = regions::all();
        if (index >= 0 && static_cast<std::size_t>(index) < all.size())
            chooseRegion(all[static_cast<std::size_t>(index)]);
    });

    // Tall enough for about twenty feasts where the screen allows; on a screen
    // too small for every control the client scrolls.
    screen_fit::fitToScreen(this, QSize(640, 820), minimumSizeHint());
    yearBox_->setFocus();
    // Closed with the window it was opened from, so that it never outlives it.
    if (parent) parent->window()->installEventFilter(this);
}

Feestkalender::~Feestkalender() = default;

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

// A text that is no year from 100 to 2100 is ignored: the table goes on
// showing the last accepted year, and the box, unless empty, is marked as the
// main window's is.
void Feestkalender::yearChanged() {
    const std::optional<double> x = textToNumber(yearBox_->text().toStdString());
    const bool accepted = x && *x >= year_view::kFirstYear && *x <= year_view::kLastYear;
    refused_mark::markYear(yearBox_, !accepted && !yearBox_->text().isEmpty(), year_);
    if (!accepted) return;
    year_ = *toInt16(*x);
    feasts_->fill(year_, *region_);
    computus_->show(year_, *region_);
}

// Steps from the year shown, so that Plus and Min work whatever the box holds.
void Feestkalender::stepYear(int step) {
    const int next = std::clamp(year_ + step, year_view::kFirstYear, year_view::kLastYear);
    yearBox_->setText(QString::number(next));
}

void Feestkalender::chooseRegion(const regions::Region& region) {
    region_ = &region;
    const auto all = regions::all();
    const auto at =
        std::find_if(all.begin(), all.end(), [&](const regions::Region& r) { return r.id == region.id; });
    {
        const QSignalBlocker quiet(regionBox_);  // the box shows the region; it does not choose it again
        regionBox_->setCurrentIndex(at == all.end() ? 0 : static_cast<int>(at - all.begin()));
    }
    setWindowTitle(titleFor(region));
    feasts_->fill(year_, region);
    computus_->show(year_, region);
    dating_->setRegion(region);
    style_->setRegion(region);
}

QString Feestkalender::copyText() const {
    const QWidget* focus = focusWidget();
    if (focus && dating_->isAncestorOf(focus)) return dating_->copyText(focus);
    if (focus && style_->isAncestorOf(focus)) return style_->copyText();
    QString text;
    for (const auto& [caption, value] : computus_->rows(true)) text += feast_cells::tabbed(caption, value);
    for (const auto& [name, date] : feasts_->shownRows()) text += feast_cells::tabbed(name, date);
    return text;
}

print_page::Page Feestkalender::page() const {
    print_page::Page page;
    const regions::Region& r = *region_;
    page.title = QStringLiteral("Feestkalender %1 \u2014 %2").arg(year_).arg(text(r.menuName));
    page.rows = computus_->rows(false) + feasts_->shownRows();
    // The feasts of a region keep its exact switch days, the default region's too.
    page.footer = text(r.menuName) + QStringLiteral(": ") + year_sheet::rule(r);
    return page;
}

bool Feestkalender::printPage(QPrinter& printer) const {
    return print_page::render(printer, page());
}

bool Feestkalender::savePdf(const QString& path) const {
    return print_page::savePdf(page(), path);
}

void Feestkalender::printClicked() {
    QtMessageBox box(this);
    window_parts::print(page(), this, box, "De feesten konden niet worden afgedrukt.", "Feestkalender");
}

void Feestkalender::pdfClicked() {
    QtMessageBox box(this);
    window_parts::savePdf(page(), QStringLiteral("feestkalender-%1.pdf").arg(year_), this, box,
                          "Feestkalender");
}

void Feestkalender::copy() {
    const QString copied = copyText();
    if (!copied.isEmpty()) QGuiApplication::clipboard()->setText(copied);
}

void Feestkalender::closeWindow() {
    close();
}

// Hidden by a close, not by the window system (a minimize).
bool Feestkalender::eventFilter(QObject* watched, QEvent* event) {
    if (parentWidget() && watched == parentWidget()->window() && event->type() == QEvent::Hide &&
        !event->spontaneous())
        close();
    return QMainWindow::eventFilter(watched, event);
}
