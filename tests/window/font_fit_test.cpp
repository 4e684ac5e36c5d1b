// Every text the window can show for the years 100 to 2100 in every region, and every caption,
// lies fully inside the usable text area of its control: its width and the ink
// of its glyphs, measured with the font the window really uses.

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>

#include "appearance.h"
#include "layout.h"
#include "recording_box.h"
#include "regions.h"
#include "run_size.h"
#include "tarvinde.h"
#include "tarvindr.h"
#include "widest_texts.h"
#include "year_view.h"

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The feast boxes, in the order of year_view::Feast.
constexpr std::array<const char*, year_view::kFeastCount> kFeastBoxes{
    "Nieuwjaar",           "Aswoensdag",    "Palmzondag",  "Pasen",    "Hemelvaart",    "Pinksteren",
    "OLVtenHemelopneming", "Allerheiligen", "Allerzielen", "Kerstmis", "Oudjaarsavond",
};

// Where the ink of a set of texts lies, relative to the text's origin on its baseline.
struct Ink {
    int left = 0;
    int right = 0;  // also covers the advance of the widest text
    int top = 0;
    int bottom = 0;
    int widestAdvance = 0;
    QString widest;
};

Ink inkOf(const QSet<QString>& texts, const QFontMetrics& fm, bool mnemonicUnderline) {
    Ink ink;
    QList<QPair<int, QString>> byWidth;
    QSet<QChar> characters;
    QSet<QChar> firstCharacters;
    for (const QString& text : texts) {
        byWidth.append({fm.horizontalAdvance(text), text});
        for (const QChar c : text) characters.insert(c);
        if (!text.isEmpty()) firstCharacters.insert(text.front());
    }
    std::sort(byWidth.begin(), byWidth.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    if (!byWidth.isEmpty()) {
        ink.widestAdvance = byWidth.first().first;
        ink.widest = byWidth.first().second;
    }
    // Overhangs at the right only matter for the widest texts; at the left only
    // the first glyph can reach beyond the origin.
    for (int i = 0; i < std::min<qsizetype>(byWidth.size(), 40); ++i) {
        const QRect tight = fm.tightBoundingRect(byWidth[i].second);
        ink.right = std::max({ink.right, byWidth[i].first, tight.right() + 1});
    }
    for (const QChar c : firstCharacters)
        ink.left = std::min(ink.left, fm.tightBoundingRect(QString(c)).left());
    // Vertically every glyph that can occur counts.
    QString all;
    for (const QChar c : characters) all += c;
    const QRect tight = fm.tightBoundingRect(all);
    ink.top = tight.top();
    ink.bottom = tight.bottom() + 1;
    if (mnemonicUnderline) ink.bottom = std::max(ink.bottom, fm.underlinePos() + fm.lineWidth() + 1);
    return ink;
}

// Where `ink` lands when a text is drawn centred (as Qt does it, in real numbers:
// an odd leftover pixel may fall on either side, so the rect takes both).
QRect centred(const QRect& area, int advance, int lineHeight, int ascent, const Ink& ink, bool horizontally) {
    const int dx = area.width() - advance;
    const int dy = area.height() - lineHeight;
    const int x = horizontally ? area.x() + (dx >= 0 ? dx / 2 : (dx - 1) / 2) : area.x();
    const int y = area.y() + (dy >= 0 ? dy / 2 : (dy - 1) / 2) + ascent;
    return QRect(x + ink.left, y + ink.top, ink.right - ink.left, ink.bottom - ink.top)
        .adjusted(0, 0, horizontally && dx % 2 ? 1 : 0, dy % 2 ? 1 : 0);
}

}  // namespace

class FontFitTest : public QObject {
    Q_OBJECT

private:
    RecordingBox boxes_;
    std::unique_ptr<Tarvindr> window_;
    QHash<QString, QSet<QString>> texts_;  // control name -> every text it can show
    QHash<QString, Ink> inks_;             // inkFor's, by control, font and underline

    // The ink of a control's texts in a font: measured once, since the checks ask
    // for the same control and font more than once (half a million finder texts).
    const Ink& inkFor(QWidget* w, const QFont& font, bool mnemonicUnderline) {
        const QString key = w->objectName() + QLatin1Char('|') + font.key() +
                            (mnemonicUnderline ? QStringLiteral("|&") : QString());
        auto found = inks_.find(key);
        if (found == inks_.end())
            found =
                inks_.insert(key, inkOf(texts_[w->objectName()], QFontMetrics(font, w), mnemonicUnderline));
        return *found;
    }

    void collectTexts() {
        for (const layout::Control& c : layout::kControls)
            texts_[QString::fromLatin1(c.name)].insert(QString::fromUtf8(c.text).remove(QLatin1Char('&')));
        const Tarvinde t(boxes_);
        using Feast = std::string (Tarvinde::*)(std::int16_t) const;
        const std::pair<const char*, Feast> feasts[] = {
            {"Nieuwjaar", &Tarvinde::NieuwjaarDag},      {"Aswoensdag", &Tarvinde::Aswoensdag},
            {"Palmzondag", &Tarvinde::Palmzondag},       {"Pasen", &Tarvinde::PaasDatum},
            {"txtPasenGallie", &Tarvinde::PasenGallie},  {"Hemelvaart", &Tarvinde::HemelvaartDag},
            {"Pinksteren", &Tarvinde::PinksterenDag},    {"OLVtenHemelopneming", &Tarvinde::OLVtenHemel},
            {"Allerheiligen", &Tarvinde::Allerheiligen}, {"Allerzielen", &Tarvinde::Allerzielen},
            {"Kerstmis", &Tarvinde::Kerstmis},           {"Oudjaarsavond", &Tarvinde::Oudjaarsavond}};
        for (std::int16_t year = 100; year <= 2100; ++year) {
            texts_["WelkJaar"].insert(QString::number(year));
            for (const auto& [box, feast] : feasts) texts_[box].insert(q((t.*feast)(year)));
        }
        // The other regions: their rows for every year.
        for (const regions::Region& r : regions::all()) {
            for (int year = 100; year <= 2100; ++year) {
                const year_view::YearView v = year_view::build(year, r);
                for (std::size_t i = 0; i < kFeastBoxes.size(); ++i)
                    texts_[kFeastBoxes[i]].insert(q(v.feasts[i]));
                texts_["TxtKalender"].insert(q(v.kalender));
                texts_["Label3"].insert(q(v.regel));
                texts_["lblPasenGallie"].insert(q(v.gallieTitel));
                texts_["txtPasenGallie"].insert(q(v.gallie));
            }
        }
        // The finder names a day as one of the two fixed regions does, except in a
        // region's switch year, where it may add the note of a skipped date; the
        // window's day (1 to 31) and month (1 to 12) carry no further than March.
        const auto finder = [this](const regions::Region& r, std::int16_t year) {
            for (std::int16_t month = 1; month <= 12; ++month)
                for (std::int16_t day = 1; day <= 31; ++day)
                    texts_["TxtCorrecteWeekdag"].insert(q(year_view::weekdayText(r, day, month, year)));
        };
        for (const regions::Region& r : regions::all()) {
            if (const std::optional<std::int64_t> reform = regions::reformYear(r)) {
                for (auto year = static_cast<std::int16_t>(*reform - 1); year <= *reform + 1; ++year)
                    finder(r, year);
            } else {
                for (std::int16_t year = 100; year <= 2100; ++year)
                    if (run_size::checks(year, {100, 2100})) finder(r, year);
            }
        }
        // The sanitizer run samples the finder's years (run_size.h). The window's
        // own widest texts, which the plain run checks against every text, stay
        // in: each check below still meets the widest text of its control.
        if (run_size::kStride > 1)
            for (const widest::Row& row : widest::kTexts)
                for (const char* text : row.texts)
                    if (text != nullptr)
                        texts_[QString::fromLatin1(row.control)].insert(QString::fromUtf8(text));
        for (int n = 1; n <= 31; ++n) texts_["TxtDag"].insert(QString::number(n));
        for (int n = 1; n <= 12; ++n) texts_["TxtMaand"].insert(QString::number(n));
        texts_["TxtKalender"] += {"Gregoriaans", "Juliaans"};
        texts_["Label3"] += {"  jaartal veelvoud van 4 of 400, niet van 100.", "  jaren veelvoud van 4",
                             "  jaartal veelvoud van 4"};
        texts_["lblPasenGallie"].insert("Kalenderwijziging 20/12 > 31/12  of  21/12 > 1/1/1583");
        texts_["txtPasenGallie"].insert("10 dagen vervallen in december");
        texts_.remove("Schrikkeljaar");  // its caption is meant to stay out of sight
        texts_.remove("Line1");
    }

    // The area the text may use, and where the ink lands, for each kind of control;
    // the arithmetic is that of the Qt widgets' own painting. A text box also gives
    // the room it lays its text out in.
    static void placement(QWidget* w, const QFontMetrics& fm, const Ink& ink, QRect& usable, QRect& drawn,
                          int& room) {
        const int width = ink.right - ink.left;
        if (auto* box = qobject_cast<QLineEdit*>(w)) {
            QStyleOptionFrame panel;
            panel.initFrom(box);
            panel.rect = box->contentsRect();
            panel.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, box);
            panel.midLineWidth = 0;
            panel.state |= QStyle::State_Sunken;
            panel.features = QStyleOptionFrame::None;
            // The box offers its contents less its own margin beside the text; it lays
            // the text out inside its text margins, and scrolls a text wider than that.
            const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &panel, box);
            usable = contents.adjusted(2, 0, -2, 0);
            const QRect r = contents.marginsRemoved(box->textMargins());
            const QRect laid = r.adjusted(2, 0, -2, 0);
            room = laid.width();
            const int top = (box->alignment() & Qt::AlignBottom) ? r.y() + r.height() - fm.height() - 1
                                                                 : r.y() + (r.height() - fm.height() + 1) / 2;
            const int dx = laid.width() - ink.widestAdvance;
            const int left = (box->alignment() & Qt::AlignHCenter) ? laid.x() + dx / 2 : laid.x();
            drawn = QRect(left + ink.left, top + fm.ascent() + ink.top, width, ink.bottom - ink.top);
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            usable = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            drawn = centred(usable, ink.widestAdvance, fm.height(), fm.ascent(), ink, true);
        } else {
            auto* label = qobject_cast<QLabel*>(w);
            usable = label->rect();  // what the boxes on top leave is checked apart
            QVERIFY(label->alignment() == (Qt::AlignLeft | Qt::AlignVCenter) && label->indent() <= 0);
            drawn = centred(label->contentsRect(), ink.widestAdvance, fm.height(), fm.ascent(), ink, false);
        }
    }

    // Whether every text the control can show, drawn in `font`, lies inside its
    // usable area and clear of the text boxes on top; `where` tells the measures.
    bool allTextsFit(QWidget* w, const QFont& font, QString& where) {
        const QFontMetrics fm(font, w);
        const Ink& ink = inkFor(w, font, qobject_cast<QPushButton*>(w) != nullptr);
        QRect usable;
        QRect drawn;
        int room = 0;
        placement(w, fm, ink, usable, drawn, room);
        where =
            QStringLiteral("%1 at %2 px: widest \"%3\" (%4 px) inked at %5,%6 %7x%8, usable %9,%10 %11x%12")
                .arg(w->objectName())
                .arg(font.pixelSize())
                .arg(ink.widest)
                .arg(ink.widestAdvance)
                .arg(drawn.x())
                .arg(drawn.y())
                .arg(drawn.width())
                .arg(drawn.height())
                .arg(usable.x())
                .arg(usable.y())
                .arg(usable.width())
                .arg(usable.height());
        if (!usable.contains(drawn)) return false;
        if (qobject_cast<QLineEdit*>(w) && ink.widestAdvance + 1 > room) {  // wider would scroll the text
            where += QStringLiteral(", scrolls");
            return false;
        }
        // No text box lying on top of a label may hide any of its text.
        if (qobject_cast<QLabel*>(w)) {
            const QRect inClient = drawn.translated(w->pos());
            for (auto* box : w->parentWidget()->findChildren<QLineEdit*>()) {
                if (box->geometry().intersects(inClient)) {
                    where += " under " + box->objectName();
                    return false;
                }
            }
        }
        return true;
    }

private slots:
    void initTestCase() {
        window_ = std::make_unique<Tarvindr>(&boxes_);
        collectTexts();
        QVERIFY(texts_["TxtCorrecteWeekdag"].size() > run_size::count(500000));
    }

    // The first family of the list the system has; the design sizes where they
    // fit. The expected family is the run's: the narrow sans, or the fallback a
    // font configuration without it leaves.
    void controlsUseTheFirstFamilyFound() {
        const QString expected =
            qEnvironmentVariable("TARVINDE_EXPECTED_FONT", QStringLiteral("Nimbus Sans Narrow"));
        for (const layout::Control& c : layout::kControls) {
            auto* w = window_->findChild<QWidget*>(QString::fromLatin1(c.name));
            QVERIFY2(w, c.name);
            // Font matching may name the foundry: "Nimbus Sans Narrow [urw]".
            QCOMPARE(QFontInfo(w->font()).family().section(QStringLiteral(" ["), 0, 0), expected);
            const QFont design = appearance::font(c.font);
            QCOMPARE(w->font().bold(), design.bold());
            QCOMPARE(w->font().italic(), design.italic());
            QVERIFY2(w->font().pixelSize() <= design.pixelSize(), c.name);
            if (expected == QLatin1String("Nimbus Sans Narrow")) QCOMPARE(w->font(), design);
        }
    }

    // At any scale factor (the suite also runs at QT_SCALE_FACTOR=2) the controls
    // keep the places of the layout, in device-independent pixels of 15 twips.
    void layoutKeepsItsPlaces() {
        const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                 ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                 : 1.0;
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QCOMPARE(window_->devicePixelRatioF(), scale);
        QCOMPARE(window_->centralWidget()->size(), QSize(385, 488));
        const auto px = [](int twips) { return int(std::lround(twips / 15.0)); };
        for (const layout::Control& c : layout::kControls) {
            auto* w = window_->findChild<QWidget*>(QString::fromLatin1(c.name));
            const QRect expected(QPoint(px(c.left), px(c.top)),
                                 QPoint(px(c.left + c.width) - 1, px(c.top + c.height) - 1));
            QCOMPARE(w->geometry(), expected);
        }
    }

    void everyTextFits_data() {
        QTest::addColumn<QString>("name");
        QStringList names = texts_.keys();
        names.sort();
        for (const QString& name : names) QTest::newRow(name.toLatin1().constData()) << name;
    }
    void everyTextFits() {
        QFETCH(QString, name);
        auto* w = window_->findChild<QWidget*>(name);
        QVERIFY(w);
        QString where;
        const bool fit = allTextsFit(w, w->font(), where);
        QVERIFY2(fit, qPrintable(where));
    }

    // A control keeps the design size when its texts fit in it; otherwise it gets
    // the largest size at which they fit, so one pixel more must not fit.
    void sizeIsTheLargestThatFits_data() { everyTextFits_data(); }
    void sizeIsTheLargestThatFits() {
        QFETCH(QString, name);
        auto* w = window_->findChild<QWidget*>(name);
        QVERIFY(w);
        const auto row =
            std::find_if(layout::kControls.begin(), layout::kControls.end(),
                         [&](const layout::Control& c) { return name == QLatin1String(c.name); });
        QVERIFY(row != layout::kControls.end());
        const QFont design = appearance::font(row->font);
        QString where;
        if (allTextsFit(w, design, where)) {
            QCOMPARE(w->font(), design);
            return;
        }
        QVERIFY2(w->font().pixelSize() < design.pixelSize(), qPrintable(where));
        QFont larger = w->font();
        larger.setPixelSize(larger.pixelSize() + 1);
        QVERIFY2(!allTextsFit(w, larger, where), qPrintable("fits one pixel larger: " + where));
    }

    // The window sizes its fonts by a short list of the widest texts; over every
    // year no text of a control is wider, in the family in use, than its list's.
    void widestTextsAreTheWidest_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(widest::kTexts.size()); ++i) QTest::newRow(widest::kTexts[i].control) << i;
    }
    void widestTextsAreTheWidest() {
        QFETCH(int, row);
        const widest::Row& r = widest::kTexts[row];
        const QString name = QString::fromLatin1(r.control);
        auto* w = window_->findChild<QWidget*>(name);
        QVERIFY(w);
        QSet<QString> listed;
        for (const char* text : r.texts) {
            if (!text) continue;
            listed.insert(QString::fromUtf8(text));
            QVERIFY2(texts_[name].contains(QString::fromUtf8(text)),
                     text);  // a text the control really shows
        }
        QVERIFY(!listed.isEmpty());
        // The window also measures the caption the control starts with.
        for (const layout::Control& c : layout::kControls)
            if (name == QLatin1String(c.name))
                listed.insert(QString::fromUtf8(c.text).remove(QLatin1Char('&')));
        const QFontMetrics fm(w->font(), w);
        const Ink& all = inkFor(w, w->font(), false);
        const Ink short_list = inkOf(listed, fm, false);
        QVERIFY2(all.widestAdvance <= short_list.widestAdvance, qPrintable(all.widest));
        QVERIFY2(all.right <= short_list.right, qPrintable(all.widest));
        QVERIFY2(all.left >= short_list.left, "a first glyph reaches further left than the list's");
    }
};

QTEST_MAIN(FontFitTest)
#include "font_fit_test.moc"
