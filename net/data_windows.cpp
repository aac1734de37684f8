#include "net/data_windows.h"

#include <algorithm>

bool IData_window::UpdateFromGroup(int)
{
    return false;
}
bool IData_window::UpdateFromMessage(int)
{
    return false;
}
bool IData_window::AcceptsMessages(int)
{
    return true;
}
void IData_window::ResetDisplay(int) {}
void IData_window::SetDataStale(bool) {}

void CData_windows::add(IData_window *window)
{
    m_windows.push_back(window);
}

// While the windows are being told, a removed window leaves a gap that is closed afterwards, so
// that the walk over the list stays valid.
void CData_windows::remove(IData_window *window)
{
    const auto found = std::find(m_windows.begin(), m_windows.end(), window);
    if (found == m_windows.end()) {
        return;
    }
    if (m_telling > 0) {
        *found = nullptr;
        m_removed_while_telling = true;
    } else {
        m_windows.erase(found);
    }
}

template <class Action>
void CData_windows::for_each(Action action)
{
    ++m_telling;
    for (std::size_t i = 0; i < m_windows.size(); ++i) {
        if (m_windows[i] != nullptr) {
            action(*m_windows[i]);
        }
    }
    if (--m_telling == 0 && m_removed_while_telling) {
        std::erase(m_windows, nullptr);
        m_removed_while_telling = false;
    }
}

void CData_windows::update_from_group()
{
    for_each([](IData_window &window) { window.UpdateFromGroup(0); });
}

void CData_windows::update_from_message()
{
    for_each([](IData_window &window) {
        if (window.AcceptsMessages(0)) {
            window.UpdateFromMessage(0);
        }
    });
}

void CData_windows::reset_display()
{
    for_each([](IData_window &window) { window.ResetDisplay(0); });
}

void CData_windows::set_data_stale(bool stale)
{
    for_each([stale](IData_window &window) { window.SetDataStale(stale); });
}

std::size_t CData_windows::count() const
{
    return static_cast<std::size_t>(std::count_if(
        m_windows.begin(), m_windows.end(), [](const IData_window *w) { return w != nullptr; }));
}
