#include "shell/value_plotter.h"

#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

namespace {

IValue_plotter *plotter = nullptr;

} // namespace

IValue_plotter *ValuePlotter()
{
    return plotter;
}

void SetValuePlotter(IValue_plotter *value_plotter)
{
    plotter = value_plotter;
}

void OfferPlotting(QWidget &control, std::function<std::optional<SPlot_source>(QPoint)> source,
                   std::function<void(QMenu &menu, QPoint global_pos)> window_entries)
{
    control.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&control, &QWidget::customContextMenuRequested, &control,
                     [&control, source = std::move(source),
                      window_entries = std::move(window_entries)](const QPoint &at) {
        const std::optional<SPlot_source> found = source(at);
        QMenu menu(&control);
        QAction *plot = menu.addAction(QCoreApplication::translate("Menus", "Plot this value"));
        plot->setObjectName(QStringLiteral("PlotThisValue"));
        plot->setEnabled(found.has_value() && plotter != nullptr);
        const QPoint global_pos = control.mapToGlobal(at);
        if (window_entries) {
            menu.addSeparator();
            window_entries(menu, global_pos);
        }
        if (menu.exec(global_pos) == plot) {
            PlotValue(*found);
        }
    });
}

bool PlotValue(const SPlot_source &source)
{
    if (plotter == nullptr) {
        return false;
    }
    plotter->plot(source);
    return true;
}
