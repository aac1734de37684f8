#include "shell/window_table.h"

#include "shell/Form_main.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTabWidget>

CWindow_table::CWindow_table(TFormMain &main, std::vector<SWindow_row> rows)
    : m_main(main), m_rows(std::move(rows))
{
    Program().window_directory = this;
    for (const SWindow_row &row : m_rows) {
        if (row.start == EWindow_start::at_start) {
            window(row.name);
        }
    }
    for (const SWindow_row &row : m_rows) {
        for (const SWindow_entry &entry : row.entries) {
            if (entry.menu != nullptr) {
                add_entry(row, entry);
            } else {
                m_main.build_entry(entry.name, this, [this, &row, entry] { enter(row, entry); });
            }
        }
    }
}

// The windows go in the reverse order of their making, before the main form.
CWindow_table::~CWindow_table()
{
    if (Program().window_directory == this) {
        Program().window_directory = nullptr;
    }
    while (!m_windows.empty()) {
        m_windows.pop_back();
    }
}

QStringList CWindow_table::names() const
{
    QStringList all;
    for (const SWindow_row &row : m_rows) {
        all.append(row.name);
    }
    return all;
}

const SWindow_row *CWindow_table::row_of(const QString &name) const
{
    for (const SWindow_row &row : m_rows) {
        if (name == row.name) {
            return &row;
        }
    }
    return nullptr;
}

TFormKoruBase *CWindow_table::window(const QString &name)
{
    for (const auto &made : m_windows) {
        if (made->objectName() == name) {
            return made.get();
        }
    }
    const SWindow_row *row = row_of(name);
    if (row == nullptr) {
        return owned_window(name);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_windows.emplace_back(row->make());
    QApplication::restoreOverrideCursor();
    return m_windows.back().get();
}

// A window that a window of the table made and owns (a dialog's status window).
TFormKoruBase *CWindow_table::owned_window(const QString &name) const
{
    for (const auto &made : m_windows) {
        if (auto *owned = made->findChild<TFormKoruBase *>(name)) {
            return owned;
        }
    }
    return nullptr;
}

void CWindow_table::add_entry(const SWindow_row &row, const SWindow_entry &entry)
{
    auto *menu = m_main.findChild<QMenu *>(entry.menu);
    if (menu == nullptr) {
        return;
    }
    QAction *before = nullptr;
    for (QAction *present : menu->actions()) {
        if (present->isSeparator()) {
            before = present;
            break;
        }
    }
    auto *action = new QAction(QCoreApplication::translate("Menus", entry.caption), menu);
    action->setObjectName(entry.name);
    menu->insertAction(before, action);
    connect(action, &QAction::triggered, this, [this, &row, entry] { enter(row, entry); });
}

bool CWindow_table::can_open(const QString &name) const
{
    const SWindow_row *row = row_of(name);
    if (row == nullptr || row->entries.empty()) {
        return false;
    }
    const SWindow_entry &first = row->entries.front();
    return first.menu != nullptr || m_main.entry_allowed(first.name);
}

void CWindow_table::open(const QString &name)
{
    if (can_open(name)) {
        enter(*row_of(name), row_of(name)->entries.front());
    }
}

void CWindow_table::open_unlisted(const QString &name)
{
    const SWindow_row *row = row_of(name);
    if (row != nullptr && row->entries.empty()) {
        show_row(*row, *window(name));
    }
}

void CWindow_table::enter(const SWindow_row &row, const SWindow_entry &entry)
{
    TFormKoruBase &shown = *window(row.name);
    if (entry.action != nullptr) {
        entry.action(shown, m_main);
        return;
    }
    if (entry.page >= 0) {
        if (auto *pages = shown.findChild<QTabWidget *>("PageControl1")) {
            pages->setCurrentIndex(entry.page);
        }
    }
    show_row(row, shown);
}

// A view asks the computer for its groups and shows; a dialog runs modally behind the send-to-back
// step of the main window.
void CWindow_table::show_row(const SWindow_row &row, TFormKoruBase &shown)
{
    if (row.opening == EWindow_opening::view) {
        for (const std::uint16_t group : row.groups) {
            RequestGroup(group);
        }
        ShowView(shown);
    } else {
        m_main.OpenDialog(shown);
    }
}
