#include "ui/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace {

const QString BoxTitle = QStringLiteral("Air Oil Cooler Software");

QMessageBox::StandardButton Ask(QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons) {
    // Plain text: a caption typed by the user is quoted in some messages and must show as typed.
    QMessageBox box(icon, BoxTitle, text, buttons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void TQtMessageService::Error(const QString& text) {
    Ask(QMessageBox::Critical, text, QMessageBox::Ok);
}

void TQtMessageService::Information(const QString& text) {
    Ask(QMessageBox::Information, text, QMessageBox::Ok);
}

bool TQtMessageService::YesNo(const QString& text) {
    return Ask(QMessageBox::Critical, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
