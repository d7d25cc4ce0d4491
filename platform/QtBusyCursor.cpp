#include "platform/QtBusyCursor.h"

#include <QApplication>
#include <QCursor>

void QtBusyCursor::Show() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

void QtBusyCursor::Hide() { QApplication::restoreOverrideCursor(); }
