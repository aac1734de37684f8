#include "views/Form_table_view.h"

#include "controls/image_list.h"

#include <QAbstractScrollArea>
#include <QGridLayout>
#include <QScrollBar>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <set>

namespace {

// "General Status", "File Open" gives "GeneralStatusFileOpen": the words of a caption, each
// starting with a capital, without blanks or punctuation.
QString camel_case(const QString &text)
{
    QString name;
    bool word_start = true;
    for (const QChar c : text) {
        if (c.isLetterOrNumber()) {
            name += word_start ? c.toUpper() : c;
            word_start = false;
        } else if (c != '&') {
            word_start = true;
        }
    }
    return name;
}

// Bold, in the window's family and size, so that it scales with the window.
QFont value_font()
{
    QFont font;
    font.setBold(true);
    return font;
}

} // namespace

// --- groups --------------------------------------------------------------------------------

void CView_group::refresh()
{
    if (!m_changed || !m_in_front) {
        return;
    }
    m_changed = false;
    for (const auto &row : m_rows) {
        row->show();
    }
}

void CView_group::blank()
{
    clear();
    blank_rows();
}

void CView_group::blank_rows()
{
    for (const auto &row : m_rows) {
        row->blank();
    }
}

void CView_group::set_in_front(bool in_front)
{
    m_in_front = in_front;
    if (!in_front) {
        return;
    }
    if (holds_frame()) {
        m_changed = true;
        refresh();
    } else {
        blank_rows();
    }
}

void AddActionRow(CView_group &group, std::function<void()> show, std::function<void()> blank)
{
    SView_binding binding;
    binding.group = group.number();
    binding.one_item = false;
    group.add_row(std::make_unique<view_kit_detail::CAction_row>(std::move(binding), std::move(show),
                                                                 std::move(blank)));
}

void PairScrolling(QAbstractScrollArea &first, QAbstractScrollArea &second)
{
    const auto pair = [](QScrollBar *one, QScrollBar *other) {
        QObject::connect(one, &QScrollBar::valueChanged, other, &QScrollBar::setValue);
        QObject::connect(other, &QScrollBar::valueChanged, one, &QScrollBar::setValue);
    };
    pair(first.horizontalScrollBar(), second.horizontalScrollBar());
    pair(first.verticalScrollBar(), second.verticalScrollBar());
}

// --- boxes and pages -----------------------------------------------------------------------

CView_box::CView_box(QGroupBox *box, QString name_prefix, std::function<QString()> design_text,
                     QStringList column_titles)
    : m_box(box),
      m_grid(new QGridLayout(box)),
      m_prefix(std::move(name_prefix)),
      m_design_text(std::move(design_text)),
      m_column_titles(std::move(column_titles))
{
    m_grid->setColumnStretch(0, 1);
    for (int column = 0; column < m_column_titles.size(); ++column) {
        m_grid->addWidget(new QLabel(m_column_titles[column], m_box), 0, column + 1,
                          Qt::AlignRight);
    }
}

QString CView_box::control_name(const QString &caption, const QString &name, int column) const
{
    if (!name.isEmpty()) {
        return name;
    }
    const QString title = m_column_titles.isEmpty() ? QString() : m_column_titles[column];
    return m_prefix + camel_case(caption) + camel_case(title);
}

std::pair<int, int> CView_box::place_of(const QString &caption)
{
    const bool beside = caption == m_last_caption && m_last_column + 1 < m_column_titles.size();
    if (beside) {
        ++m_last_column;
    } else {
        m_last_row = m_grid->rowCount();
        m_last_column = 0;
        m_last_caption = caption;
        m_grid->addWidget(new QLabel(caption, m_box), m_last_row, 0);
    }
    return {m_last_row, m_last_column};
}

void CView_box::again()
{
    m_next_label = 0;
    m_next_lamp = 0;
    m_next_flag = 0;
}

TValueLabel *CView_box::add_label(const QString &caption, const QString &name,
                                  const QStringList &widest)
{
    if (m_next_label < m_labels.size()) {
        TValueLabel *label = m_labels[m_next_label++];
        QStringList all = label->WidestTexts() + widest;
        all.removeDuplicates();
        label->SetWidestTexts(all);
        return label;
    }
    const auto [row, column] = place_of(caption);
    auto *label = new TValueLabel(m_box);
    label->setObjectName(control_name(caption, name, column));
    label->setFont(value_font());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->SetWidestTexts(widest);
    label->setText(m_design_text());
    m_grid->addWidget(label, row, column + 1);
    m_labels.push_back(label);
    m_next_label = m_labels.size();
    return label;
}

CLed_image *CView_box::add_lamp(const QString &caption, const QString &name)
{
    if (m_next_lamp < m_lamps.size()) {
        return m_lamps[m_next_lamp++];
    }
    const auto [row, column] = place_of(caption);
    auto *lamp = new CLed_image(m_box);
    lamp->setObjectName(control_name(caption, name, column));
    lamp->Set_image_list(&GreenLampImages());
    lamp->setFixedSize(16, 16);
    m_grid->addWidget(lamp, row, column + 1, Qt::AlignRight);
    m_lamps.push_back(lamp);
    m_next_lamp = m_lamps.size();
    return lamp;
}

QLabel *CView_box::add_flag(const QString &text, const QString &name)
{
    if (m_next_flag < m_flags.size()) {
        return m_flags[m_next_flag++];
    }
    auto *flag = new QLabel(text, m_box);
    flag->setObjectName(name);
    flag->setVisible(false);
    m_grid->addWidget(flag, m_last_row, m_last_column + 2);
    m_flags.push_back(flag);
    m_next_flag = m_flags.size();
    return flag;
}

CView_page::CView_page(QWidget *area, QString name_prefix, int columns,
                       std::function<QString()> design_text)
    : m_area(area),
      m_layout(new QGridLayout(area)),
      m_prefix(std::move(name_prefix)),
      m_columns(columns),
      m_design_text(std::move(design_text))
{}

CView_box &CView_page::box(const QString &title, const QStringList &column_titles)
{
    if (m_next_box < m_boxes.size()) {
        return *m_boxes[m_next_box++];
    }
    const int index = static_cast<int>(m_boxes.size());
    auto *group_box = new QGroupBox(title, m_area);
    m_layout->addWidget(group_box, index / m_columns, index % m_columns);
    m_boxes.push_back(std::make_unique<CView_box>(group_box, m_prefix + camel_case(title),
                                                  m_design_text, column_titles));
    m_next_box = m_boxes.size();
    return *m_boxes.back();
}

void CView_page::again()
{
    m_next_box = 0;
    for (const auto &made : m_boxes) {
        made->again();
    }
}

// --- the view ------------------------------------------------------------------------------

TFormTableView::TFormTableView(const QString &name, QWidget *parent)
    : TFormKoruView(name, parent), m_pace(*this, [this] { fill(); })
{}

TFormTableView::~TFormTableView() = default;

QTabWidget *TFormTableView::pages()
{
    if (m_page_control == nullptr) {
        m_page_control = new QTabWidget(BorderBevel());
        m_page_control->setObjectName("PageControl1");
        content()->insertWidget(0, m_page_control);
    }
    return m_page_control;
}

CView_page &TFormTableView::page(const QString &title, int columns)
{
    auto *area = new QWidget;
    pages()->addTab(area, title);
    m_pages.push_back(std::make_unique<CView_page>(area, camel_case(title), columns,
                                                   [this] { return m_design_text; }));
    return *m_pages.back();
}

CView_page &TFormTableView::area(int columns)
{
    auto *own = new QWidget(BorderBevel());
    content()->addWidget(own);
    m_pages.push_back(
        std::make_unique<CView_page>(own, QString(), columns, [this] { return m_design_text; }));
    return *m_pages.back();
}

TValueGrid &TFormTableView::grid(const QString &name, int rows, const QStringList &titles,
                                 int column_width, int row_height)
{
    auto *grid = new TValueGrid(rows, titles, column_width, row_height, BorderBevel());
    grid->setObjectName(name);
    content()->addWidget(grid);
    m_grids.push_back(grid);
    return *grid;
}

bool TFormTableView::UpdateFromGroup(int)
{
    for (const auto &shown : m_groups) {
        if (shown->take_if_current()) {
            m_pace.request();
            return true;
        }
    }
    return false;
}

// Hidden views keep their copies current and fill their controls when shown.
void TFormTableView::RefreshDisplay()
{
    m_pace.fill_now();
}

void TFormTableView::fill()
{
    for (const auto &shown : m_groups) {
        shown->refresh();
    }
}

std::vector<SView_binding> TFormTableView::bindings() const
{
    std::vector<SView_binding> all;
    for (const auto &shown : m_groups) {
        for (const auto &row : shown->rows()) {
            if (row->binding().one_item) {
                all.push_back(row->binding());
            }
        }
    }
    return all;
}

QTabBar &TFormTableView::group_tabs(const QString &name, const QStringList &titles,
                                    std::vector<CView_group *> groups)
{
    m_group_tabs = new QTabBar(BorderBevel());
    m_group_tabs->setObjectName(name);
    m_group_tabs->setExpanding(false);
    for (const QString &title : titles) {
        m_group_tabs->addTab(title);
    }
    content()->insertWidget(0, m_group_tabs);
    m_tabbed_groups = std::move(groups);
    for (std::size_t i = 1; i < m_tabbed_groups.size(); ++i) {
        m_tabbed_groups[i]->set_in_front(false);
    }
    connect(m_group_tabs, &QTabBar::currentChanged, this, &TFormTableView::bring_to_front);
    return *m_group_tabs;
}

void TFormTableView::bring_to_front(int tab)
{
    for (std::size_t i = 0; i < m_tabbed_groups.size(); ++i) {
        m_tabbed_groups[i]->set_in_front(static_cast<int>(i) == tab);
    }
}

void TFormTableView::select_group(std::uint16_t number)
{
    for (std::size_t i = 0; i < m_tabbed_groups.size(); ++i) {
        if (m_tabbed_groups[i]->number() == number) {
            m_group_tabs->setCurrentIndex(static_cast<int>(i));
        }
    }
}

void TFormTableView::showEvent(QShowEvent *event)
{
    TFormKoruView::showEvent(event);
    offer_plotting();
    RefreshDisplay();
}

// A grid cell is named "Name[row,column]", as the window values name it. A control that several
// groups fill, each when it comes, is sampled from whichever of them came.
std::optional<SPlot_source> TFormTableView::plot_source(const QString &control)
{
    struct SCandidate {
        CView_group *group;
        std::function<double()> number;
    };
    std::vector<SCandidate> in_front;
    std::vector<SCandidate> behind;
    for (const auto &shown : m_groups) {
        for (const auto &row : shown->rows()) {
            const SView_binding &binding = row->binding();
            if (!binding.one_item || !binding.number || binding.control == nullptr) {
                continue;
            }
            const QString name =
                binding.row < 0 ? binding.control->objectName()
                                : QStringLiteral("%1[%2,%3]")
                                      .arg(binding.control->objectName())
                                      .arg(binding.row)
                                      .arg(binding.column);
            if (name == control) {
                (shown->in_front() ? in_front : behind).push_back({shown.get(), binding.number});
            }
        }
    }
    std::vector<SCandidate> &sources = in_front.empty() ? behind : in_front;
    if (sources.empty()) {
        return std::nullopt;
    }
    return SPlot_source{objectName(), control, windowTitle() + QStringLiteral(": ") + control,
                        [sources = std::move(sources)]() -> std::optional<double> {
                            for (const SCandidate &source : sources) {
                                if (source.group->take_if_current()) {
                                    return source.number();
                                }
                            }
                            return std::nullopt;
                        }};
}

void TFormTableView::offer_plotting()
{
    if (m_plotting_offered) {
        return;
    }
    m_plotting_offered = true;
    std::set<QWidget *> offered;
    for (const SView_binding &binding : bindings()) {
        if (!binding.number || !offered.insert(binding.control).second) {
            continue;
        }
        QWidget *control = binding.control;
        if (auto *grid = qobject_cast<TValueGrid *>(control)) {
            OfferPlotting(*grid->viewport(), [this, grid](QPoint at) {
                const QModelIndex cell = grid->indexAt(at);
                return plot_source(QStringLiteral("%1[%2,%3]")
                                       .arg(grid->objectName())
                                       .arg(cell.row())
                                       .arg(cell.column()));
            });
        } else {
            OfferPlotting(*control, [this, control](QPoint) {
                return plot_source(control->objectName());
            });
        }
    }
}

void TFormTableView::ResetDisplay(int)
{
    m_pace.cancel();
    for (const auto &shown : m_groups) {
        shown->blank();
    }
    for (TValueGrid *grid : m_grids) {
        grid->ClearCells();
    }
}

void TFormTableView::SetDataStale(bool stale)
{
    show_values_stale(stale);
}
