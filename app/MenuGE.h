#pragma once

#include <QMargins>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

#include "QueueModel.h"

class QAction;
class QFileDialog;
class QKeySequence;
class QLineEdit;
class QMenu;
class QSplitter;

namespace zorvanta {

class ChartView;
class CommandIcon;
class ResultsTable;
class SaveFileDialog;
class TInformazioni;

/// The main window: the command column with the four inputs, the command icons and the
/// results table, and the two charts. Every command reports its failure in one place.
class TMenuGEN : public QWidget {
    Q_OBJECT

public:
    /// Receives the text of a failed command, full stop included.
    using ErrorReporter = std::function<void(const QString& text)>;
    /// Asks for the file to save a chart to, proposing a name; nothing when the user cancels.
    using SaveFileChooser = std::function<std::optional<QString>(const QString& proposedName)>;

    /// `decimalSeparator` is used in every real number the table shows.
    explicit TMenuGEN(char decimalSeparator, QWidget* parent = nullptr);
    ~TMenuGEN() override;

    /// The window the Information command brings to the front.
    void SetInformationWindow(TInformazioni* window);
    /// Replaces the "Error" message box (tests observe failures through this).
    void SetErrorReporter(ErrorReporter reporter);
    /// Replaces running the save dialog `SaveDialog1`.
    void SetSaveFileChooser(SaveFileChooser chooser);
    /// The save dialog `SaveDialog1` shared by both Save commands, made on first use.
    QFileDialog& SaveDialog();

    /// Makes the lower chart show the cumulative curves of a Process.
    void RebuildCumulativeChart(const QueueInputs& inputs, const QueueResults& results);
    /// Makes the upper chart show the entering flow of a Process.
    void RebuildEnteringChart(const QueueInputs& inputs, const QueueResults& results);

public slots:
    /// Process: reads the four inputs, computes, fills the value column and redraws both charts.
    void Analisi_IMGClick();
    /// Saves the lower chart to a file the user chooses.
    void Salva_grafico_1_IMGClick();
    /// Saves the upper chart to a file the user chooses.
    void Salva_grafico_2_IMGClick();
    /// Shows the information window.
    void Informazioni_IMGClick();
    /// Copies the nine rows of the results table, as it shows them, to the clipboard as
    /// tab-separated text and as an HTML table (Ctrl+Shift+C, the table's menu).
    void CopyResults();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* CreateCommandColumn();
    // One action per command: the icons, the keys and Enter in a field all trigger it.
    void CreateCommandActions();
    QAction* AddCommandAction(const QString& name, const QString& text, const QString& detail,
                              const QKeySequence& key, CommandIcon* icon, void (TMenuGEN::*command)());
    void DescribeForAccessibility();
    void ExplainResults(const QueueInputs& inputs, const QueueResults& results, const QStringList& texts);
    QSplitter* CreateCharts();
    void CreateCopyResults();
    void FormCreate();
    void Process();
    void SaveChart(ChartView& chart, const QString& proposedName);
    std::optional<QString> RunSaveDialog(const QString& proposedName);
    void RunCommand(const std::function<void()>& command);
    void CentreOnScreen();
    void RecentreForFrame();

    char decimalSeparator_;
    bool placed_ = false;
    bool frameChecked_ = false;  ///< the placement has seen the window manager's real frame
    QMargins placedFrame_;       ///< the frame the placement counted with
    ErrorReporter errorReporter_;
    SaveFileChooser saveFileChooser_;
    QPointer<TInformazioni> informationWindow_;

    QLineEdit* portataNormale_ = nullptr;
    QLineEdit* portataEccezionale_ = nullptr;
    QLineEdit* capacita_ = nullptr;
    QLineEdit* durataFenomeno_ = nullptr;
    ResultsTable* tabella_ = nullptr;
    ChartView* chart1_ = nullptr;
    ChartView* chart2_ = nullptr;
    SaveFileDialog* saveDialog1_ = nullptr;
    QAction* copyResults_ = nullptr;
    QMenu* resultsMenu_ = nullptr;
    CommandIcon* processIcon_ = nullptr;
    CommandIcon* save1Icon_ = nullptr;
    CommandIcon* save2Icon_ = nullptr;
    CommandIcon* informationIcon_ = nullptr;
    QAction* processAction_ = nullptr;
};

}  // namespace zorvanta
