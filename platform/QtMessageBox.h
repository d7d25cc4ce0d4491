#pragma once
// The message-box service shown as a real modal QMessageBox.
#include "core/MessageService.h"

class QWidget;

class QtMessageBox : public MessageService {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    MsgAnswer Show(const MessageRequest& request) override;

private:
    QWidget* parent_;
};
