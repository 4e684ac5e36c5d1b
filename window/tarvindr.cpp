#include "tarvindr.h"

#include <algorithm>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include <QActionGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QWheelEvent>

#include "appearance.h"
#include "failure.h"
#include "feestkalender.h"
#include "help_window.h"
#include "layout.h"
#include "number_text.h"
#include "print_page.h"
#include "qt_message_box.h"
#include "refused_mark.h"
#include "regions.h"
#include "screen_fit.h"
#include "text_fit.h"
#include "window_parts.h"
#include "window_settings.h"
#include "year_sheet.h"

namespace {

// The boxes of the eleven feast rows, in the order of year_view::Feast.
constexpr std::array<const char*, year_view::kFeastCount> kFeastBoxes{
    "Nieuwjaar",           "Aswoensdag",    "Palmzondag",  "Pasen",    "Hemelvaart",    "Pinksteren",
    "OLVtenHemelopneming", "Allerheiligen", "Allerzielen", "Kerstmis", "Oudjaarsavond",
};

constexpr double kFirstYear = year_view::kFirstYear;
constexpr double kLastYear = year_view::kLastYear;

// Steps of the year box's keys and wheel.
constexpr int kPageStep = 10;
constexpr int kWheelNotch = 120;  // eighths of a degree: one notch of a common wheel

int pixels(int twips) {
    return (twips + layout::kTwipsPerPixel / 2) / layout::kTwipsPerPixel;
}

// Rounds both edges, so that controls that meet in twips meet in pixels.
QRect pixelRect(const layout::Control& c) {
    const int left = pixels(c.left);
    const int top = pixels(c.top);
    return {left, top, pixels(c.left + c.width) - left, pixels(c.top + c.height) - top};
}

std::optional<double> numberIn(const QLineEdit* box) {
    return textToNumber(box->text().toStdString());
}

std::optional<std::int16_t> int16In(const QLineEdit* box) {
    const std::optional<double> value = numberIn(box);
    return value ? toInt16(*value) : std::nullopt;
}

using window_parts::text;

void setText(QLineEdit* box, const std::string& utf8) {
    box->setText(text(utf8));
}

// "Tarvinde Z. Nederlanden": the window is named by the region it shows.
QString titleFor(const regions::Region& region) {
    return QStringLiteral("Tarvinde ") + text(region.shortName);
}

// Text broken at blanks into lines of at most `width` characters (a longer word
// keeps a line of its own): a tool tip shows plain text on one line, however
// wide the screen.
QString wrapped(const QString& text, qsizetype width) {
    QString out;
    qsizetype line = 0;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        if (line > 0 && line + 1 + word.size() > width) {
            out += QLatin1Char('\n');
            line = 0;
        } else if (line > 0) {
            out += QLatin1Char(' ');
            ++line;
        }
        out += word;
        line += word.size();
    }
    return out;
}

// A region's menu item says when it switched and on what authority, in lines
// that fit a small screen.
QString toolTipFor(const regions::Region& region) {
    constexpr qsizetype kToolTipLine = 80;
    const QString rule = year_sheet::rule(region);
    return region.bron.empty() ? rule : rule + QLatin1Char('\n') + wrapped(text(region.bron), kToolTipLine);
}

// The client area keeps the size the layout gives it as its preferred size.
class ClientArea : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return {pixels(layout::kClientWidth), pixels(layout::kClientHeight)}; }
};

}  // namespace

Tarvindr::Tarvindr(MessageBox* messageBox, QWidget* parent)
    : QMainWindow(parent),
      ownMessageBox_(messageBox ? nullptr : std::make_unique<QtMessageBox>(this)),
      messageBox_(messageBox ? messageBox : ownMessageBox_.get()) {
    setObjectName(QStringLiteral("Tarvindr"));
    setWindowTitle(titleFor(*region_));
    setWindowIcon(appearance::appIcon());
    buildControls();
    buildMenus();
    connectHandlers();
    // The controls keep their places: the window is no smaller than they need.
    screen_fit::fitToScreen(this, sizeHint(), sizeHint());
    WelkJaar_->setFocus();
    Form_Load();
}

Tarvindr::~Tarvindr() = default;

void Tarvindr::buildControls() {
    auto* client = new ClientArea(this);
    client->setObjectName(QStringLiteral("client"));
    client->setPalette(appearance::clientPalette());
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    std::vector<std::pair<int, QWidget*>> tabOrder;
    std::vector<QWidget*> boxes;
    for (const layout::Control& c : layout::kControls) {
        const QString text = QString::fromUtf8(c.text);
        QWidget* widget = nullptr;
        switch (c.kind) {
            case layout::Kind::TextBox: {
                auto* box = new QLineEdit(text, client);
                // Only the three entry boxes are enabled; they show their text centred.
                Qt::Alignment align = c.enabled ? Qt::AlignHCenter : Qt::AlignLeft;
                // The narrow sans has a tall ascent: centring its line in the 24 pt boxes
                // would set the ink low and cut the descenders. Bottom-aligned, the ink
                // sits in the middle.
                const bool large = c.font == layout::Font::Large || c.font == layout::Font::LargeItalic;
                box->setAlignment(align | (large ? Qt::AlignBottom : Qt::AlignVCenter));
                boxes.push_back(box);
                widget = box;
                break;
            }
            case layout::Kind::Label: {
                auto* label = new QLabel(text, client);
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                // The narrow sans's line is taller than a 17-pixel label. Two free pixels
                // below lift its descenders clear of the boxes that lie over the last
                // pixel row of some labels; one at the left keeps a leading "j" whole.
                label->setContentsMargins(1, 0, 0, 2);
                label->setTextFormat(Qt::PlainText);
                widget = label;
                break;
            }
            case layout::Kind::Button:
                widget = new QPushButton(text, client);
                break;
            case layout::Kind::CheckBox:
                // Only as wide as its box, so its caption stays out of sight.
                widget = new QCheckBox(text, client);
                break;
            case layout::Kind::Line:
                widget = new QWidget(client);
                break;
        }
        widget->setObjectName(QString::fromLatin1(c.name));
        widget->setGeometry(pixelRect(c));
        widget->setFont(appearance::font(c.font));
        widget->setEnabled(c.enabled);
        if (c.accessibleName) widget->setAccessibleName(QString::fromUtf8(c.accessibleName));

        if (c.kind == layout::Kind::Line || c.background != layout::Background::Own) {
            QPalette palette = widget->palette();
            QColor fill = appearance::desktopColour();
            if (c.background == layout::Background::ToolTip) fill = appearance::toolTipColour();
            if (c.kind == layout::Kind::Line) fill = appearance::darkShadowColour();
            for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                palette.setColor(group, QPalette::Window, fill);
            widget->setPalette(palette);
            widget->setAutoFillBackground(true);
        }

        if (c.enabled && c.kind != layout::Kind::Label && c.kind != layout::Kind::Line)
            tabOrder.emplace_back(c.tabIndex, widget);
        else
            widget->setFocusPolicy(Qt::NoFocus);
    }
    for (QWidget* box : boxes) box->raise();
    text_fit::shrinkToFit(client);

    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    const auto find = [client](auto* member, const char* name) {
        using Widget = std::remove_pointer_t<std::remove_reference_t<decltype(*member)>>;
        *member = window_parts::control<Widget>(client, name, Qt::FindDirectChildrenOnly);
    };
    find(&WelkJaar_, "WelkJaar");
    find(&TxtKalender_, "TxtKalender");
    find(&cmdPlus1_, "cmdPlus1");
    find(&CmdMin1_, "CmdMin1");
    find(&Schrikkeljaar_, "Schrikkeljaar");
    find(&Label3_, "Label3");
    find(&lblPasenGallie_, "lblPasenGallie");
    find(&txtPasenGallie_, "txtPasenGallie");
    find(&TxtDag_, "TxtDag");
    find(&TxtMaand_, "TxtMaand");
    find(&TxtCorrecteWeekdag_, "TxtCorrecteWeekdag");
    for (std::size_t i = 0; i < kFeastBoxes.size(); ++i) find(&feastBoxes_[i], kFeastBoxes[i]);

    // The Gaul box is named by whatever its label says: the caption changes in 1582.
    lblPasenGallie_->setBuddy(txtPasenGallie_);
}

void Tarvindr::buildMenus() {
    const auto item = [this](QMenu* menu, const QString& text, const char* name, auto handler) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu* bestand = menuBar()->addMenu(QStringLiteral("&Bestand"));
    bestand->setObjectName(QStringLiteral("MnuBestand"));
    item(bestand, QStringLiteral("&Kopiëren"), "MnuKopieren", &Tarvindr::MnuKopieren_Click)
        ->setShortcuts(QKeySequence::Copy);
    item(bestand, QStringLiteral("Af&drukken…"), "MnuAfdrukken", &Tarvindr::MnuAfdrukken_Click)
        ->setShortcuts(QKeySequence::Print);
    item(bestand, QStringLiteral("Als &PDF opslaan…"), "MnuPdf", &Tarvindr::MnuPdf_Click);
    bestand->addSeparator();
    // The indices are those of the menu items; their handlers receive and ignore them.
    item(bestand, QStringLiteral("&Close"), "MnuClose", [this] { MnuClose_Click(1); });

    // One checkable item per region, in the table's order; choosing one shows it.
    QMenu* regio = menuBar()->addMenu(QStringLiteral("&Regio"));
    regio->setObjectName(QStringLiteral("MnuRegio"));
    regio->setToolTipsVisible(true);
    regionItems_ = new QActionGroup(this);
    regionItems_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    const auto all = regions::all();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const regions::Region& r = all[i];
        const auto index = static_cast<std::int16_t>(i);
        QAction* action = item(regio, text(r.menuName), "", [this, index] { MnuRegio_Click(index); });
        action->setObjectName(QStringLiteral("MnuRegio_") + text(r.id));
        action->setCheckable(true);
        action->setChecked(&r == region_);
        action->setToolTip(toolTipFor(r));
        regionItems_->addAction(action);
    }

    QMenu* feesten = menuBar()->addMenu(QStringLiteral("&Feesten"));
    feesten->setObjectName(QStringLiteral("MnuFeesten"));
    item(feesten, QStringLiteral("&Feestkalender…"), "MnuFeestkalender", &Tarvindr::MnuFeestkalender_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    item(help, QStringLiteral("&use"), "MnuUse", [this] { MnuUse_Click(3); });
    item(help, QStringLiteral("&About"), "MnuAbout", &Tarvindr::MnuAbout_Click);
    help->addSeparator();
    item(help, QStringLiteral("&Kalenderinformatie"), "MnuKalenderinformatie",
         &Tarvindr::MnuKalenderinformatie_Click)
        ->setShortcut(QKeySequence(Qt::Key_F1));

    // A right click anywhere on the client area offers the copy too; the entry
    // boxes keep their own menu.
    contextMenu_ = new QMenu(this);
    contextMenu_->setObjectName(QStringLiteral("ContextMenu"));
    item(contextMenu_, QStringLiteral("Kopiëren"), "ContextKopieren", &Tarvindr::MnuKopieren_Click);
    QWidget* client = WelkJaar_->parentWidget();
    client->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(client, &QWidget::customContextMenuRequested, this,
            [this, client](const QPoint& at) { contextMenu_->popup(client->mapToGlobal(at)); });

    // Two more ways out, as window shortcuts; the Close item keeps none.
    for (const QKeyCombination key : {Qt::CTRL | Qt::Key_Q, Qt::CTRL | Qt::Key_W}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
}

void Tarvindr::connectHandlers() {
    connect(WelkJaar_, &QLineEdit::textChanged, this, &Tarvindr::WelkJaar_Change);
    connect(TxtDag_, &QLineEdit::textChanged, this, &Tarvindr::TxtDag_Change);
    connect(TxtMaand_, &QLineEdit::textChanged, this, &Tarvindr::TxtMaand_Change);
    connect(CmdMin1_, &QPushButton::clicked, this, &Tarvindr::CmdMin1_Click);
    connect(cmdPlus1_, &QPushButton::clicked, this, &Tarvindr::cmdPlus1_Click);
    auto* keys = new window_parts::BoxKeys([this](int step) { stepYear(step); }, kPageStep, this);
    for (QLineEdit* box : {TxtDag_, TxtMaand_}) keys->watch(box);
    keys->watchYear(WelkJaar_);
    WelkJaar_->installEventFilter(this);  // the wheel
}

void Tarvindr::Form_Load() {
    WelkJaar_Change();
}

void Tarvindr::WelkJaar_Change() {
    // An empty text, a text that is no number and a year outside 100..2100 are
    // ignored: the boxes go on showing the last accepted year. The year box says
    // so for every such text but the empty one.
    const std::optional<double> x = numberIn(WelkJaar_);
    if (!x || *x > kLastYear || *x < kFirstYear) {
        refused_mark::markYear(WelkJaar_, !WelkJaar_->text().isEmpty(), shownYear_);
        return;
    }
    shownYear_ = *toInt16(*x);  // fits: 99.5 < x < 2100.5
    refused_mark::markYear(WelkJaar_, false, shownYear_);
    showYear();
}

// Every row comes from the year view, the calendar rows included, so that
// 1582.4 and 1581.5 are 1582 throughout. The client area is painted once, when
// every row is written.
void Tarvindr::showYear() {
    if (!shownYear_) return;
    const year_view::YearView view = year_view::build(*shownYear_, *region_);
    QWidget* client = WelkJaar_->parentWidget();
    client->setUpdatesEnabled(false);
    Schrikkeljaar_->setChecked(view.leapYear);
    for (std::size_t i = 0; i < feastBoxes_.size(); ++i) setText(feastBoxes_[i], view.feasts[i]);
    showWeekday();
    setText(TxtKalender_, view.kalender);
    Label3_->setText(text(view.regel));
    lblPasenGallie_->setText(text(view.gallieTitel));
    setText(txtPasenGallie_, view.gallie);
    client->setUpdatesEnabled(true);
}

// The rows change to the region for the year they show, also while the year box
// holds a refused text: that text and its mark stay, and still name that year.
void Tarvindr::MnuRegio_Click(std::int16_t Index) {
    const auto all = regions::all();
    if (Index < 0 || static_cast<std::size_t>(Index) >= all.size()) return;
    chooseRegion(all[static_cast<std::size_t>(Index)]);
}

void Tarvindr::chooseRegion(const regions::Region& region) {
    const auto all = regions::all();
    const auto at =
        std::find_if(all.begin(), all.end(), [&](const regions::Region& r) { return &r == &region; });
    if (at == all.end()) return;
    region_ = &*at;
    regionItems_->actions().at(static_cast<qsizetype>(at - all.begin()))->setChecked(true);
    setWindowTitle(titleFor(*region_));
    showYear();
}

void Tarvindr::CmdMin1_Click() {
    stepYear(-1);
}

void Tarvindr::cmdPlus1_Click() {
    stepYear(+1);
}

// Writes the year one step on, then pulls it back to the bound on the side it
// stepped towards; each write runs the refresh. Only that one side is corrected.
void Tarvindr::stepYear(int step) {
    // A year box that is empty or holds no number is left as it is.
    const std::optional<double> x = numberIn(WelkJaar_);
    if (!x) return;
    setText(WelkJaar_, numberToText(*x + step));
    const double bound = step < 0 ? kFirstYear : kLastYear;
    const std::optional<double> stepped = numberIn(WelkJaar_);
    if (stepped && (*stepped - bound) * step > 0) setText(WelkJaar_, numberToText(bound));
}

void Tarvindr::TxtDag_Change() {
    finderChanged(TxtDag_, 31);
}

void Tarvindr::TxtMaand_Change() {
    finderChanged(TxtMaand_, 12);
}

void Tarvindr::finderChanged(QLineEdit* box, int upperBound) {
    if (!numberIn(box)) {  // empty, or no number
        TxtCorrecteWeekdag_->clear();
        return;
    }
    // Each correction runs this handler again, nested, on the corrected text. In
    // the box being typed in, the corrected text stays selected so that the next
    // key replaces it: typing "05" gives 5, not the 15 of "1" followed by "5".
    const auto correct = [box](const QString& text) {
        box->setText(text);
        if (box->hasFocus()) box->selectAll();
    };
    if (const std::optional<double> value = numberIn(box); value && *value > upperBound)
        correct(QString::number(upperBound));
    if (const std::optional<double> value = numberIn(box); value && *value < 1) correct(QStringLiteral("1"));
    showWeekday();
}

// The finder's answer for its day and month in the year the rows show; none
// when the day or month holds no 16-bit number or no day can be named.
std::optional<std::string> Tarvindr::finderAnswer() const {
    const std::optional<std::int16_t> month = int16In(TxtMaand_);
    const std::optional<std::int16_t> day = int16In(TxtDag_);
    if (!shownYear_ || !month || !day) return std::nullopt;
    try {
        return year_view::weekdayText(*region_, *day, *month, *shownYear_);
    } catch (const Failure&) {
        return std::nullopt;
    }
}

void Tarvindr::showWeekday() {
    setText(TxtCorrecteWeekdag_, finderAnswer().value_or(std::string{}));
}

std::vector<year_view::Line> Tarvindr::yearLines() const {
    if (!shownYear_) return {};
    std::vector<year_view::Line> lines = year_view::lines(year_view::build(*shownYear_, *region_));
    if (const std::optional<std::string> answer = finderAnswer()) {
        // The day and month as the finder used them, rounded: "2.5" is day 2.
        lines.push_back(
            {"weekdag",
             "Weekdag " + std::to_string(*int16In(TxtDag_)) + "/" + std::to_string(*int16In(TxtMaand_)),
             std::string{year_view::trimmed(*answer)}});
    }
    return lines;
}

void Tarvindr::MnuKopieren_Click() {
    QGuiApplication::clipboard()->setText(text(year_view::tabbedText(yearLines())));
}

void Tarvindr::MnuAfdrukken_Click() {
    if (!shownYear_) return;
    window_parts::print(yearPage(), this, *messageBox_, "Het jaar kon niet worden afgedrukt.", "Tarvinde");
}

bool Tarvindr::printYear(QPrinter& printer) const {
    return shownYear_ && print_page::render(printer, yearPage());
}

print_page::Page Tarvindr::yearPage() const {
    return year_sheet::page(shownYear_.value_or(year_view::kFirstYear), *region_, yearLines());
}

void Tarvindr::MnuPdf_Click() {
    if (!shownYear_) return;
    window_parts::savePdf(yearPage(), QStringLiteral("tarvinde-%1.pdf").arg(*shownYear_), this, *messageBox_,
                          "Tarvinde");
}

bool Tarvindr::savePdf(const QString& path) const {
    return shownYear_ && print_page::savePdf(yearPage(), path);
}

void Tarvindr::MnuKalenderinformatie_Click() {
    if (!helpWindow_) helpWindow_ = new HelpWindow(this);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void Tarvindr::MnuClose_Click(std::int16_t /*Index*/) {
    close();
}

void Tarvindr::MnuUse_Click(std::int16_t /*Index*/) {
    const std::string text = std::string("This utility can be adapted for other countries:\r") +
                             "* first study local calendar-reforms\r" +
                             "* then choose the region in the Regio menu.\r" + "\r" +
                             "Additional calendar-information:\r" + "* " + settings::kCalendarWebPage + "\r" +
                             "* the help text (F1), installed as " + settings::kHelpTextPath;
    messageBox_->show(text, MessageBox::kInformation, "Tarvinde");
}

void Tarvindr::MnuAbout_Click() {
    const std::string text = std::string("Research and design by ") + settings::kAuthorName + "\r" + "( " +
                             settings::kAuthorAddress + " )\r" + "( " + settings::kAuthorSecondAddress + " )";
    messageBox_->show(text, MessageBox::kInformation, "Tarvinde");
}

// A child window: it closes with this one, and never keeps the program running
// alone. It starts at the year and region shown here; they are its own from then on.
void Tarvindr::MnuFeestkalender_Click() {
    if (!feestkalender_) {
        feestkalender_ = new Feestkalender(shownYear_.value_or(year_view::kFirstYear), *region_, this);
        feestkalender_->setAttribute(Qt::WA_DeleteOnClose);
    }
    feestkalender_->show();
    feestkalender_->raise();
    feestkalender_->activateWindow();
}

bool Tarvindr::eventFilter(QObject* watched, QEvent* event) {
    // The wheel over the year box steps it, a step per notch; the movement of
    // fine-grained wheels is added up until it makes a notch.
    if (watched == WelkJaar_ && event->type() == QEvent::Wheel) {
        wheelTurn_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
        for (; wheelTurn_ >= kWheelNotch; wheelTurn_ -= kWheelNotch) cmdPlus1_Click();
        for (; wheelTurn_ <= -kWheelNotch; wheelTurn_ += kWheelNotch) CmdMin1_Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
