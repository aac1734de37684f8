#pragma once
// The windows that show what the computer sends, in the order they were created. The receivers
// hand every good group and the messages the views care about to them.

#include <cstddef>
#include <vector>

// The four data hooks of a window. The integer argument is 0 from the receivers and the main
// window; callers ignore the results.
class IData_window {
public:
    // Reads the group just received through the window's records, if it is one it shows.
    virtual bool UpdateFromGroup(int argument);
    // Re-reads the message records the window uses.
    virtual bool UpdateFromMessage(int argument);
    // False while a window must not be overwritten by incoming settings.
    virtual bool AcceptsMessages(int argument);
    // Blanks every value back to "no data".
    virtual void ResetDisplay(int argument);
    // Nothing has come from the computer for a while (true), or data comes again (false): the
    // values shown may no longer be true, and a window that shows values says so.
    virtual void SetDataStale(bool stale);

protected:
    IData_window() = default;
    IData_window(const IData_window &) = default;
    IData_window &operator=(const IData_window &) = default;
    ~IData_window() = default;
};

class CData_windows {
public:
    // Windows take part from their creation until their removal, hidden or not.
    void add(IData_window *window);
    void remove(IData_window *window);

    // A window added or removed while the windows are being told is told, or spared, at once
    // from the next window on.
    void update_from_group();
    void update_from_message();
    void reset_display();
    void set_data_stale(bool stale);

    std::size_t count() const;

private:
    template <class Action>
    void for_each(Action action);

    std::vector<IData_window *> m_windows;
    bool m_removed_while_telling = false;
    int m_telling = 0;
};
