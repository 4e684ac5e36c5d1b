#include "tarvindr.h"

#include <algorithm>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "appearance.h"
#include "failure.h"
#include "feestkalender.h"
#include "layout.h"
#include "number_text.h"
#include "qt_message_box.h"
#include "tarvinde.h"
#include "window_settings.h"

namespace {

using Feast = std::string (Tarvinde::*)(std::int16_t) const;

struct FeastRow {
    const char* box;
    Feast feast;
};

// Rows 2 to 13 of the year refresh, in the order they are written.
constexpr std::array<FeastRow, 12> kFeastRows{{
    {"Nieuwjaar", &Tarvinde::NieuwjaarDag},
    {"Aswoensdag", &Tarvinde::Aswoensdag},
    {"Palmzondag", &Tarvinde::Palmzondag},
    {"Pasen", &Tarvinde::PaasDatum},
    {"txtPasenGallie", &Tarvinde::PasenGallie},
    {"Hemelvaart", &Tarvinde::HemelvaartDag},
    {"Pinksteren", &Tarvinde::PinksterenDag},
    {"OLVtenHemelopneming", &Tarvinde::OLVtenHemel},
    {"Allerheiligen", &Tarvinde::Allerheiligen},
    {"Allerzielen", &Tarvinde::Allerzielen},
    {"Kerstmis", &Tarvinde::Kerstmis},
    {"Oudjaarsavond", &Tarvinde::Oudjaarsavond},
}};

constexpr double kFirstYear = 100;
constexpr double kLastYear = 2100;
constexpr double kReformYear = 1582;

constexpr const char* kGaulCaption = "Pasen in Gallië";
constexpr const char* kReformCaption = "Kalenderwijziging 20/12 > 31/12  of  21/12 > 1/1/1583";
constexpr const char* kReformNote = "10 dagen vervallen in december";
constexpr const char* kGregorianRule = "  jaartal veelvoud van 4 of 400, niet van 100.";
constexpr const char* kReformYearRule = "  jaren veelvoud van 4";
constexpr const char* kJulianRule = "  jaartal veelvoud van 4";

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

void setText(QLineEdit* box, const std::string& text) {
    box->setText(QString::fromStdString(text));
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
    setWindowTitle(QStringLiteral("Tarvinde Z. Nederlanden"));
    setWindowIcon(appearance::appIcon());
    buildControls();
    buildMenus();
    connectHandlers();
    resize(sizeHint());
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

    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    const auto find = [client](auto* member, const char* name) {
        using Widget = std::remove_pointer_t<std::remove_reference_t<decltype(*member)>>;
        *member = client->findChild<Widget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
        Q_ASSERT(*member);
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
    for (std::size_t i = 0; i < kFeastRows.size(); ++i) find(&feastBoxes_[i], kFeastRows[i].box);

    // The Gaul box is named by whatever its label says: the caption changes in 1582.
    lblPasenGallie_->setBuddy(txtPasenGallie_);
}

void Tarvindr::buildMenus() {
    QMenu* bestand = menuBar()->addMenu(QStringLiteral("&Bestand"));
    bestand->setObjectName(QStringLiteral("MnuBestand"));
    QAction* close = bestand->addAction(QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("MnuClose"));

    QMenu* feesten = menuBar()->addMenu(QStringLiteral("&Feesten"));
    feesten->setObjectName(QStringLiteral("MnuFeesten"));
    QAction* feestkalender = feesten->addAction(QStringLiteral("&Feestkalender…"));
    feestkalender->setObjectName(QStringLiteral("MnuFeestkalender"));
    feestkalender->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(feestkalender, &QAction::triggered, this, &Tarvindr::MnuFeestkalender_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    QAction* use = help->addAction(QStringLiteral("&use"));
    use->setObjectName(QStringLiteral("MnuUse"));
    QAction* about = help->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("MnuAbout"));

    // The indices are those of the menu items; their handlers receive and ignore them.
    connect(close, &QAction::triggered, this, [this] { MnuClose_Click(1); });
    connect(use, &QAction::triggered, this, [this] { MnuUse_Click(3); });
    connect(about, &QAction::triggered, this, &Tarvindr::MnuAbout_Click);
}

void Tarvindr::connectHandlers() {
    connect(WelkJaar_, &QLineEdit::textChanged, this, &Tarvindr::WelkJaar_Change);
    connect(TxtDag_, &QLineEdit::textChanged, this, &Tarvindr::TxtDag_Change);
    connect(TxtMaand_, &QLineEdit::textChanged, this, &Tarvindr::TxtMaand_Change);
    connect(CmdMin1_, &QPushButton::clicked, this, &Tarvindr::CmdMin1_Click);
    connect(cmdPlus1_, &QPushButton::clicked, this, &Tarvindr::cmdPlus1_Click);
    WelkJaar_->installEventFilter(this);
}

void Tarvindr::Form_Load() {
    WelkJaar_Change();
}

void Tarvindr::WelkJaar_Change() {
    // An empty text, a text that is no number and a year outside 100..2100 are
    // ignored: the boxes go on showing the last accepted year.
    const std::optional<double> x = numberIn(WelkJaar_);
    if (!x || *x > kLastYear || *x < kFirstYear) return;
    const std::int16_t y = *toInt16(*x);  // fits: 99.5 < x < 2100.5
    shownYear_ = y;

    const Tarvinde calculator(*messageBox_);
    Schrikkeljaar_->setChecked(calculator.IsSchrikkeljaar(y) == 1);
    for (std::size_t i = 0; i < kFeastRows.size(); ++i)
        setText(feastBoxes_[i], (calculator.*kFeastRows[i].feast)(y));
    showWeekday(calculator);

    // The calendar rows follow the exact value, so 1582.4 is already Gregorian.
    if (*x == kReformYear) {
        TxtKalender_->setText(QStringLiteral("Juliaans"));
        lblPasenGallie_->setText(QString::fromUtf8(kReformCaption));
        txtPasenGallie_->setText(QString::fromUtf8(kReformNote));
        Label3_->setText(QString::fromUtf8(kReformYearRule));
    } else {
        const bool gregorian = *x > kReformYear;
        TxtKalender_->setText(gregorian ? QStringLiteral("Gregoriaans") : QStringLiteral("Juliaans"));
        Label3_->setText(QString::fromUtf8(gregorian ? kGregorianRule : kJulianRule));
        lblPasenGallie_->setText(QString::fromUtf8(kGaulCaption));
        setText(txtPasenGallie_, calculator.PasenGallie(y));
    }
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
    // Each correction runs this handler again, nested, on the corrected text.
    if (const std::optional<double> value = numberIn(box); value && *value > upperBound)
        box->setText(QString::number(upperBound));
    if (const std::optional<double> value = numberIn(box); value && *value < 1)
        box->setText(QStringLiteral("1"));
    showWeekday(Tarvinde(*messageBox_));
}

// The finder's answer for the three boxes, or an empty box when one of them
// holds no 16-bit number or the calculator cannot name that day.
void Tarvindr::showWeekday(const Tarvinde& calculator) {
    const std::optional<std::int16_t> year = int16In(WelkJaar_);
    const std::optional<std::int16_t> month = int16In(TxtMaand_);
    const std::optional<std::int16_t> day = int16In(TxtDag_);
    if (!year || !month || !day) {
        TxtCorrecteWeekdag_->clear();
        return;
    }
    try {
        setText(TxtCorrecteWeekdag_, calculator.Weekdag(*day, *month, *year));
    } catch (const Failure&) {
        TxtCorrecteWeekdag_->clear();
    }
}

void Tarvindr::MnuClose_Click(std::int16_t /*Index*/) {
    close();
}

void Tarvindr::MnuUse_Click(std::int16_t /*Index*/) {
    const std::string text = std::string("This utility can be adapted for other countries:\r") +
                             "* first study local calendar-reforms\r" +
                             "* then ask author to make a new version.\r" + "\r" +
                             "Additional calendar-information:\r" + "* " + settings::kCalendarWebPage + "\r" +
                             "* Tarvindeinfo.txt ";
    messageBox_->show(text, MessageBox::kInformation, "Tarvinde");
}

void Tarvindr::MnuAbout_Click() {
    const std::string text = std::string("Research and design by ") + settings::kAuthorName + "\r" + "( " +
                             settings::kAuthorAddress + " )\r" + "( " + settings::kAuthorSecondAddress + " )";
    messageBox_->show(text, MessageBox::kInformation, "Tarvinde");
}

// A child window: it closes with this one, and never keeps the program running alone.
void Tarvindr::MnuFeestkalender_Click() {
    if (!feestkalender_) {
        feestkalender_ = new Feestkalender(shownYear_, regions::defaultRegion(), this);
        feestkalender_->setAttribute(Qt::WA_DeleteOnClose);
    }
    feestkalender_->show();
    feestkalender_->raise();
    feestkalender_->activateWindow();
}

bool Tarvindr::eventFilter(QObject* watched, QEvent* event) {
    // Up and Down in the year box step the year like Plus and Min.
    if (watched == WelkJaar_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Up) {
                cmdPlus1_Click();
                return true;
            }
            if (key->key() == Qt::Key_Down) {
                CmdMin1_Click();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
