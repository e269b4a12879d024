#pragma once

#include <functional>

class QMenu;
class QWidget;

namespace zorvanta {

/// The menu a right click on a chart opens: "Copy image" and "Save image...".
QMenu* CreateChartContextMenu(QWidget* chart, const std::function<void()>& copyImage,
                              const std::function<void()>& saveImage);

}  // namespace zorvanta
