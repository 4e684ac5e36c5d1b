#include "appearance.h"

#include <QPainter>
#include <QPainterPath>

namespace appearance {

QFont font(layout::Font which) {
    QFont f(kFontFamily);
    f.setStyleHint(QFont::SansSerif);
    switch (which) {
        case layout::Font::Large:  // 24 pt bold
            f.setPixelSize(32);
            f.setBold(true);
            break;
        case layout::Font::LargeItalic:  // 24 pt bold italic
            f.setPixelSize(32);
            f.setBold(true);
            f.setItalic(true);
            break;
        case layout::Font::Medium:  // 13.5 pt bold
            f.setPixelSize(18);
            f.setBold(true);
            break;
        case layout::Font::Row:  // 9.75 pt bold
            f.setPixelSize(13);
            f.setBold(true);
            break;
        case layout::Font::WindowDefault:  // 8.25 pt regular
            f.setPixelSize(11);
            break;
    }
    return f;
}

QColor desktopColour() {
    return {0x5f, 0x9e, 0xa0};
}
QColor toolTipColour() {
    return {0xff, 0xff, 0xe1};
}
QColor darkShadowColour() {
    return {0x40, 0x40, 0x40};
}
QColor refusedTextColour() {
    return {0xc0, 0x00, 0x00};
}

QPalette clientPalette() {
    QPalette p;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, desktopColour());
        p.setColor(group, QPalette::WindowText, Qt::black);
        p.setColor(group, QPalette::Base, Qt::white);
        p.setColor(group, QPalette::Text, Qt::black);
        p.setColor(group, QPalette::Button, QColor(0xe8, 0xe8, 0xe8));
        p.setColor(group, QPalette::ButtonText, Qt::black);
        p.setColor(group, QPalette::ToolTipBase, toolTipColour());
        p.setColor(group, QPalette::ToolTipText, Qt::black);
    }
    // Disabled boxes hold the results: grey enough to look read-only, dark
    // enough to read.
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(0xf2, 0xf2, 0xf2));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x50, 0x50, 0x50));
    return p;
}

QPixmap iconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, size > 16);
    const double unit = size / 16.0;  // drawn on a 16 x 16 grid
    const QRectF page(0.5 * unit, 1.5 * unit, 15 * unit, 14 * unit);

    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), unit));
    painter.setBrush(Qt::white);
    painter.drawRect(page);
    painter.fillRect(QRectF(unit, 2 * unit, 14 * unit, 4 * unit), QColor(0xb0, 0x1c, 0x1c));
    // Two rings that hold the leaf
    painter.fillRect(QRectF(4 * unit, 0, 1.5 * unit, 3.5 * unit), QColor(0x30, 0x30, 0x30));
    painter.fillRect(QRectF(10.5 * unit, 0, 1.5 * unit, 3.5 * unit), QColor(0x30, 0x30, 0x30));
    // The cross of the church feasts
    const QColor cross(0x1f, 0x4e, 0x79);
    painter.fillRect(QRectF(7 * unit, 7 * unit, 2 * unit, 7.5 * unit), cross);
    painter.fillRect(QRectF(4.5 * unit, 9 * unit, 7 * unit, 2 * unit), cross);
    return pixmap;
}

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 32, 64}) icon.addPixmap(iconPixmap(size));
    return icon;
}

}  // namespace appearance
