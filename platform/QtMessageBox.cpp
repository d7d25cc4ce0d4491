#include "platform/QtMessageBox.h"

#include <QMessageBox>
#include <QString>

MsgAnswer QtMessageBox::Show(const MessageRequest& r) {
    QMessageBox box(parent_);
    box.setWindowTitle(QString::fromStdString(r.title));
    box.setText(QString::fromStdString(r.text));
    switch (r.icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    QMessageBox::StandardButtons buttons;
    switch (r.buttons) {
    case MsgButtons::OK: buttons = QMessageBox::Ok; break;
    case MsgButtons::OKCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MsgButtons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case MsgButtons::YesNoCancel: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case MsgButtons::RetryCancel: buttons = QMessageBox::Retry | QMessageBox::Cancel; break;
    }
    box.setStandardButtons(buttons);
    switch (box.exec()) {
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Retry: return MsgAnswer::Retry;
    default: return MsgAnswer::OK;
    }
}
