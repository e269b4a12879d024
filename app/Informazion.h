#pragma once

#include <QWidget>

namespace zorvanta {

/// The information window: product name, logo, tagline, version and maker.
/// Created hidden at start-up, shown by the main window's Information command.
class TInformazioni : public QWidget {
    Q_OBJECT

public:
    explicit TInformazioni(QWidget* parent = nullptr);

    /// Shows the window, or brings it to the front (restored if minimised) when already shown.
    void ShowInFront();
};

}  // namespace zorvanta
