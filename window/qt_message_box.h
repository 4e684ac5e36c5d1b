#pragma once

#include <QPointer>
#include <QWidget>

#include "message_box.h"

// The calculator's message box as a real modal Qt box: style 16 a critical
// icon, 64 an information icon, each with a single OK button.
class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent) : parent_(parent) {}

    void show(const std::string& prompt, int style, const std::string& title) override;

private:
    QPointer<QWidget> parent_;
};
