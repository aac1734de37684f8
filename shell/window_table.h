#pragma once
// The table of windows: per row a window's class, its object name, whether it is made at start
// (in the row order, right after the main form) or on first use, the menu entries that open it,
// the groups it asks the computer for when it opens, and whether it opens as a view or as a
// dialog. The table makes the windows, owns them until the program ends, and builds their menu
// entries: an entry is enabled because its row exists.

#include "shell/Form_koru_base.h"
#include "shell/program.h"

#include <QObject>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class TFormMain;

enum class EWindow_start { at_start, on_demand };
enum class EWindow_opening { view, dialog };

// A menu entry of a window. It opens the window (on page `page` of its `PageControl1` when that
// is not -1), or does `action` with it instead. An entry the main window's menus do not hold
// names the menu it goes into (by object name) and its caption; the table adds it there, before
// the menu's first separator, always enabled.
struct SWindow_entry {
    const char *name;
    int page = -1;
    void (*action)(TFormKoruBase &window, TFormMain &main) = nullptr;
    const char *menu = nullptr;
    const char *caption = nullptr;
};

struct SWindow_row {
    const char *name; // the object name: the class name without "T"
    TFormKoruBase *(*make)();
    EWindow_start start;
    EWindow_opening opening;
    std::vector<SWindow_entry> entries;
    std::vector<std::uint16_t> groups;
};

// A row's maker for window class TWindow.
template <class TWindow>
TFormKoruBase *MakeWindow()
{
    return new TWindow;
}

class CWindow_table : public QObject, public IWindow_directory {
public:
    // Makes the start windows in row order and builds every row's menu entries in `main`.
    CWindow_table(TFormMain &main, std::vector<SWindow_row> rows);
    ~CWindow_table() override;

    QStringList names() const override;
    // The window of that name, made now if it is made on first use, or a window that one of the
    // table's windows made and owns; null for an unknown name.
    TFormKoruBase *window(const QString &name) override;
    // Whether the window's first menu entry may be used now.
    bool can_open(const QString &name) const override;
    // Opens the window as its first menu entry does, when it may be used.
    void open(const QString &name) override;
    // Opens a window whose row has no menu entry, as an entry would.
    void open_unlisted(const QString &name) override;

    template <class TWindow>
    TWindow &window_of(const QString &name)
    {
        return dynamic_cast<TWindow &>(*window(name));
    }

private:
    struct SMade;
    const SWindow_row *row_of(const QString &name) const;
    TFormKoruBase *owned_window(const QString &name) const;
    void enter(const SWindow_row &row, const SWindow_entry &entry);
    // Shows the row's window: a view after asking for its groups, a dialog modally.
    void show_row(const SWindow_row &row, TFormKoruBase &shown);
    // Adds an entry of the table's own to the main window's menu it names.
    void add_entry(const SWindow_row &row, const SWindow_entry &entry);

    TFormMain &m_main;
    std::vector<SWindow_row> m_rows;
    std::vector<std::unique_ptr<TFormKoruBase>> m_windows; // in the order they were made
};
