#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace zorvanta {

/// The information window: product name, logo, tagline, version and maker.
/// Created hidden at start-up, shown by the main window's Information command.
class TInformazioni : public QWidget {
    Q_OBJECT

public:
    /// Builds the window hidden; pass no parent, so it stays an independent top-level window.
    explicit TInformazioni(QWidget* parent = nullptr);

    /// Shows the window, or brings it to the front (restored if minimised) when already shown.
    void ShowInFront();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Annulla_BTNClick();
    void DockRows();

    QWidget* titleBand_ = nullptr;
    QWidget* logo_ = nullptr;
    QLabel* tagline_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* makerLine1_ = nullptr;
    QLabel* makerLine2_ = nullptr;
    QWidget* buttonBand_ = nullptr;
    QPushButton* back_ = nullptr;
    bool placed_ = false;  // set once the first showing has centred the window
};

}  // namespace zorvanta
