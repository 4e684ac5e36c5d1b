#include "text_fit.h"

#include <algorithm>
#include <cstring>

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include "widest_texts.h"

namespace text_fit {

QStringList textsOf(const QWidget* control) {
    QStringList texts;
    if (const auto* label = qobject_cast<const QLabel*>(control)) texts << label->text();
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) texts << box->text();
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        texts << QString(button->text()).remove(QLatin1Char('&'));
    const QByteArray name = control->objectName().toLatin1();
    for (const widest::Row& row : widest::kTexts) {
        if (std::strcmp(row.control, name.constData()) != 0) continue;
        for (const char* text : row.texts)
            if (text) texts << QString::fromUtf8(text);
    }
    texts.removeAll(QString());
    return texts;
}

QRect textArea(const QWidget* control) {
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
        QStyleOptionFrame panel;
        panel.initFrom(box);
        panel.rect = box->contentsRect();
        panel.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, box);
        panel.midLineWidth = 0;
        panel.state |= QStyle::State_Sunken;
        panel.features = QStyleOptionFrame::None;
        // The text margins are left out: this file sets them only to clear a first
        // glyph that reaches left, inside this same area.
        const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &panel, box);
        return contents.adjusted(2, 0, -2, 0);  // the line edit's own margin beside its text
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    // A label's text runs from its left edge to the first text box lying over it.
    QRect area = control->contentsRect();
    if (const QWidget* parent = control->parentWidget()) {
        const QRect inParent = area.translated(control->pos());
        for (const QLineEdit* box : parent->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
            if (box->geometry().intersects(inParent) && box->x() > inParent.x())
                area.setRight(std::min(area.right(), box->x() - control->x() - 1));
        }
    }
    return area;
}

int leftOverhang(const QFontMetrics& fm, const QStringList& texts) {
    int overhang = 0;
    for (const QString& text : texts) {
        if (!text.isEmpty()) overhang = std::max(overhang, -fm.tightBoundingRect(text.left(1)).left());
    }
    return overhang;
}

bool fits(const QWidget* control, const QFont& font, const QStringList& texts) {
    const QRect area = textArea(control);
    const QFontMetrics fm(font, control);
    // A line edit keeps one pixel beyond the text for its cursor, or it scrolls.
    const int cursor = qobject_cast<const QLineEdit*>(control) ? 1 : 0;
    // Every text starts as far right as the first glyph reaching furthest left needs.
    int across = 0;
    for (const QString& text : texts) {
        const QRect ink = fm.tightBoundingRect(text);
        if (ink.height() > area.height()) return false;
        across = std::max({across, fm.horizontalAdvance(text) + cursor, ink.right() + 1});
    }
    int reach = leftOverhang(fm, texts);
    // A label's left margin is there for such a glyph.
    if (qobject_cast<const QLabel*>(control)) reach = std::max(0, reach - control->contentsMargins().left());
    return across + reach <= area.width();
}

void shrinkToFit(QWidget* client) {
    for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // The check box's caption is meant to stay out of sight.
        if (qobject_cast<QCheckBox*>(control)) continue;
        const QStringList texts = textsOf(control);
        if (texts.isEmpty()) continue;
        QFont font = control->font();
        if (!fits(control, font, texts)) {
            while (font.pixelSize() > kSmallestPixelSize) {
                font.setPixelSize(font.pixelSize() - 1);
                if (fits(control, font, texts)) break;
            }
            control->setFont(font);
        }
        // A left-aligned box starts its text at the edge of its text area: a first
        // glyph that reaches further left (an italic J) moves right by as much.
        auto* box = qobject_cast<QLineEdit*>(control);
        if (box && !(box->alignment() & (Qt::AlignHCenter | Qt::AlignRight))) {
            const int overhang = leftOverhang(QFontMetrics(font, box), texts);
            if (overhang > 0) box->setTextMargins(overhang, 0, 0, 0);
        }
    }
}

}  // namespace text_fit
