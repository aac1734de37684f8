#pragma once
// Holds a window that is created the first time it is needed, with the wait cursor while it is
// built, and freed with the holder at the end of the program.

#include <QApplication>

#include <memory>

template <class T>
class TVcl_auto_ptr {
public:
    template <class... Arguments>
    T &get(Arguments &&...arguments)
    {
        if (!m_window) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            m_window = std::make_unique<T>(std::forward<Arguments>(arguments)...);
            QApplication::restoreOverrideCursor();
        }
        return *m_window;
    }
    // The window if it has been created.
    T *created() const { return m_window.get(); }

private:
    std::unique_ptr<T> m_window;
};
