#include "ChartContextMenu.h"

#include <QAction>
#include <QMenu>

namespace zorvanta {

QMenu* CreateChartContextMenu(QWidget* chart, const std::function<void()>& copyImage,
                              const std::function<void()>& saveImage)
{
    auto* menu = new QMenu(chart);
    QObject::connect(menu->addAction(QStringLiteral("Copy image")), &QAction::triggered, chart,
                     [copyImage] { copyImage(); });
    QObject::connect(menu->addAction(QStringLiteral("Save image...")), &QAction::triggered, chart,
                     [saveImage] { saveImage(); });
    return menu;
}

}  // namespace zorvanta
