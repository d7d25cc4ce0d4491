// Driving a modal window from a test: the call that shows it returns only
// when it closes, so the test's steps for it are queued before that call.
#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Runs `step` on the modal window of type T once it shows (and, with a
// `name`, only one of that object name), checked every 10 ms from the event
// loop of whatever modal window runs then. A window that does not show
// within 5 s fails the test, and the modal window up then is closed so the
// test goes on.
template <typename T>
void WhenShown(std::function<void(T*)> step, const QString& name = {}) {
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [step, name, tries, weakPoll = std::weak_ptr<std::function<void()>>(poll)] {
        T* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (w && (name.isEmpty() || w->objectName() == name)) {
            step(w);
            return;
        }
        if (++*tries > 500) {
            ADD_FAILURE() << "the awaited window did not show";
            if (QWidget* m = QApplication::activeModalWidget()) m->close();
            return;
        }
        if (auto again = weakPoll.lock()) QTimer::singleShot(10, [again] { (*again)(); });
    };
    QTimer::singleShot(10, [poll] { (*poll)(); });
}
