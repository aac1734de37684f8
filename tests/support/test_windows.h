#pragma once
// What the window and network tests observe with: a parent window that records the notices
// posted to it, and a data window that records what it is told.

#include "net/data_windows.h"
#include "platform/window_message.h"

#include <QObject>
#include <QTest>

#include <algorithm>
#include <functional>
#include <vector>

struct SNotice {
    int number;
    std::uintptr_t wparam;
    std::intptr_t lparam;
};

class CNotice_recorder : public QObject {
public:
    bool event(QEvent *event) override
    {
        if (CWindow_message *message = AsWindowMessage(event)) {
            notices.push_back({message->number(), message->wparam(), message->lparam()});
            return true;
        }
        return QObject::event(event);
    }

    std::size_t count(int number) const
    {
        return static_cast<std::size_t>(
            std::count_if(notices.begin(), notices.end(),
                          [number](const SNotice &n) { return n.number == number; }));
    }

    std::vector<SNotice> notices;
};

class CRecording_window : public IData_window {
public:
    bool UpdateFromGroup(int) override
    {
        ++groups;
        if (on_group) {
            on_group();
        }
        return true;
    }
    bool UpdateFromMessage(int) override
    {
        ++messages;
        if (on_message) {
            on_message();
        }
        return true;
    }

    void ResetDisplay(int) override { ++resets; }
    void SetDataStale(bool) override { ++stale_changes; }

    int groups = 0;
    int messages = 0;
    int resets = 0;
    int stale_changes = 0;
    std::function<void()> on_group;
    std::function<void()> on_message;
};

// Runs the event loop until `done` holds; the bound is generous and only stops a hung test.
template <class Predicate>
bool WaitFor(Predicate done)
{
    return QTest::qWaitFor(done, 10000);
}
