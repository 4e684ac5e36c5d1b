#include "refused_mark.h"

#include <QLineEdit>

#include "appearance.h"

namespace refused_mark {

void showRefused(QWidget* widget, bool refused) {
    QPalette palette = widget->parentWidget() ? widget->parentWidget()->palette() : QPalette();
    if (refused) {
        for (const auto group : {QPalette::Active, QPalette::Inactive})
            for (const auto role : {QPalette::Text, QPalette::WindowText})
                palette.setColor(group, role, appearance::refusedTextColour());
    }
    widget->setPalette(palette);
}

void markYear(QLineEdit* box, bool refused, std::optional<int> shownYear) {
    QString note;
    if (refused) {
        note = QStringLiteral("Niet aanvaard: een jaartal van 100 tot 2100.");
        if (shownYear) note += QStringLiteral(" Getoond: %1").arg(*shownYear);
    }
    showRefused(box, refused);
    box->setToolTip(note);
    box->setAccessibleDescription(note);
}

}  // namespace refused_mark
