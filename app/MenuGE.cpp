#include "MenuGE.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

#include <exception>
#include <utility>

#include "AppIcon.h"
#include "ChartBuilders.h"
#include "ChartReadouts.h"
#include "ChartView.h"
#include "CommandColumn.h"
#include "CommandIcon.h"
#include "ErrorReport.h"
#include "Informazion.h"
#include "NumberText.h"
#include "ResultTexts.h"
#include "ResultTooltips.h"
#include "ResultsClipboard.h"
#include "ResultsTable.h"
#include "SaveFileDialog.h"

namespace zorvanta {

namespace {

constexpr QSize kClientSize{892, 550};
const QColor kBackground(0x1A, 0x1A, 0x1A);
constexpr int kCommandColumnWidth = 296;
constexpr int kChartMargin = 5;
constexpr int kEnteringChartHeight = 261;
constexpr int kSplitterWidth = 8;
constexpr int kSplitterMinimum = 20;
// The command column ends with the Information icon's caption (480 + 41 + 19).
constexpr int kCommandColumnHeight = 540;
// The smallest chart width that still shows its axes and a few bars.
constexpr int kMinimumChartWidth = 200;

std::int32_t ReadWholeNumber(const QLineEdit& edit)
{
    const QByteArray text = edit.text().toUtf8();
    return ParseWholeNumber(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

// A chart inside a frame of margins, so the window's background shows around it.
QWidget* FramedChart(ChartView* chart)
{
    auto* frame = new QWidget;
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(kChartMargin, kChartMargin, kChartMargin, kChartMargin);
    layout->addWidget(chart);
    return frame;
}

}  // namespace

TMenuGEN::TMenuGEN(char decimalSeparator, QWidget* parent)
    : QWidget(parent), decimalSeparator_(decimalSeparator)
{
    setObjectName(QStringLiteral("MenuGEN"));
    setWindowTitle(QStringLiteral("Kelbrum - Zorvanta"));
    setWindowIcon(ApplicationIcon());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);
    setAutoFillBackground(true);
    resize(kClientSize);
    // Never so small that the command column or the results table is cut off.
    setMinimumSize(kCommandColumnWidth + kMinimumChartWidth + 2 * kChartMargin, kCommandColumnHeight);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CreateCommandColumn());
    layout->addWidget(CreateCharts(), 1);
    CreateCommandActions();
    DescribeForAccessibility();

    CreateCopyResults();

    errorReporter_ = [this](const QString& text) { ShowErrorBox(this, text); };
    saveFileChooser_ = [this](const QString& proposedName) { return RunSaveDialog(proposedName); };

    // The tab order follows the user's way of thinking, not the fields' top-to-bottom order.
    setTabOrder(durataFenomeno_, portataEccezionale_);
    setTabOrder(portataEccezionale_, portataNormale_);
    setTabOrder(portataNormale_, capacita_);
    setTabOrder(capacita_, tabella_);
    durataFenomeno_->setFocus();

    FormCreate();
}

TMenuGEN::~TMenuGEN() = default;

QWidget* TMenuGEN::CreateCommandColumn()
{
    auto* column = new QWidget;
    column->setObjectName(QStringLiteral("Comandi_LAY"));
    column->setFixedWidth(kCommandColumnWidth);

    portataNormale_ = AddInputField(column, {QStringLiteral("Portata_normale"), {194, 18}, {60, 24},
        QStringLiteral("800"), QStringLiteral("Portata in condizioni normali Flow at standard conditions"),
        QStringLiteral("[v/h]")});
    portataEccezionale_ = AddInputField(column, {QStringLiteral("Portata_eccezionale"), {194, 65}, {60, 25},
        QStringLiteral("2000"), QStringLiteral("Portata in condizioni di punta Flow in peak condition"),
        QStringLiteral("[v/h]")});
    capacita_ = AddInputField(column, {QStringLiteral("Capacita"), {194, 114}, {60, 24},
        QStringLiteral("1000"), QStringLiteral("Capacita' della strada Capacity of the road"),
        QStringLiteral("[v/h]")});
    durataFenomeno_ = AddInputField(column, {QStringLiteral("Durata_fenomeno"), {194, 162}, {60, 24},
        QStringLiteral("2"), QStringLiteral("Durata del fenomeno       Duration of the phenomenon"),
        QStringLiteral("[h]")});

    processIcon_ = AddCommandIcon(column, {QStringLiteral("Analisi"), IconPicture::Process,
        {14, 210}, -9, 60, QStringLiteral("Process")});
    save1Icon_ = AddCommandIcon(column, {QStringLiteral("Salva_grafico_1"), IconPicture::Save,
        {105, 210}, -22, 90, QStringLiteral("Save graphic 1")});
    save2Icon_ = AddCommandIcon(column, {QStringLiteral("Salva_grafico_2"), IconPicture::Save,
        {205, 210}, -22, 90, QStringLiteral("Save graphic 2")});

    tabella_ = new ResultsTable(column);
    tabella_->setObjectName(QStringLiteral("Tabella_TXT"));
    tabella_->setGeometry(10, 290, 206, 216);

    informationIcon_ = AddCommandIcon(column, {QStringLiteral("Informazioni"),
        IconPicture::Information, {229, 480}, -19, 80, QStringLiteral("Information")});
    return column;
}

void TMenuGEN::CreateCommandActions()
{
    processAction_ = AddCommandAction(QStringLiteral("Analisi_ACT"), QStringLiteral("Process"), QString(),
        QKeySequence(Qt::Key_F5), processIcon_, &TMenuGEN::Analisi_IMGClick);
    QAction* save1 = AddCommandAction(QStringLiteral("Salva_grafico_1_ACT"), QStringLiteral("Save graphic 1"),
        QStringLiteral("the cumulative vehicles chart"), QKeySequence(Qt::CTRL | Qt::Key_S), save1Icon_,
        &TMenuGEN::Salva_grafico_1_IMGClick);
    QAction* save2 = AddCommandAction(QStringLiteral("Salva_grafico_2_ACT"), QStringLiteral("Save graphic 2"),
        QStringLiteral("the entering vehicles chart"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), save2Icon_,
        &TMenuGEN::Salva_grafico_2_IMGClick);
    // A chart's own "Save image..." is the same command as its Save icon.
    connect(chart1_, &ChartView::SaveRequested, save1, &QAction::trigger);
    connect(chart2_, &ChartView::SaveRequested, save2, &QAction::trigger);
    AddCommandAction(QStringLiteral("Informazioni_ACT"), QStringLiteral("Information"), QString(),
        QKeySequence(Qt::Key_F1), informationIcon_, &TMenuGEN::Informazioni_IMGClick);
    // Enter in any input runs Process too.
    for (QLineEdit* edit : {portataNormale_, portataEccezionale_, capacita_, durataFenomeno_})
        connect(edit, &QLineEdit::returnPressed, processAction_, &QAction::trigger);
}

QAction* TMenuGEN::AddCommandAction(const QString& name, const QString& text, const QString& detail,
                                    const QKeySequence& key, CommandIcon* icon, void (TMenuGEN::*command)())
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    // "Save graphic 1: the cumulative vehicles chart (Ctrl+S)", in the platform's own key names.
    const QString what = detail.isEmpty() ? text : text + QStringLiteral(": ") + detail;
    action->setToolTip(what + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + QLatin1Char(')'));
    addAction(action);
    connect(action, &QAction::triggered, this, command);
    connect(icon, &CommandIcon::clicked, action, &QAction::trigger);
    icon->setToolTip(action->toolTip());
    icon->setAccessibleName(text);
    icon->setAccessibleDescription(action->toolTip());
    return action;
}

void TMenuGEN::DescribeForAccessibility()
{
    // Each field is named by its caption, which also becomes its buddy; the unit describes it.
    const std::pair<QLineEdit*, QString> fields[] = {
        {portataNormale_, QStringLiteral("Vehicles per hour")},
        {portataEccezionale_, QStringLiteral("Vehicles per hour")},
        {capacita_, QStringLiteral("Vehicles per hour")},
        {durataFenomeno_, QStringLiteral("Hours")},
    };
    for (const auto& [edit, unit] : fields) {
        const QString stem = edit->objectName().chopped(4);  // less "_TXT"
        if (auto* caption = edit->parentWidget()->findChild<QLabel*>(stem + QStringLiteral("_LAB"))) {
            caption->setBuddy(edit);
            edit->setAccessibleName(caption->text().simplified());
        }
        edit->setAccessibleDescription(unit + QStringLiteral("; Enter or F5 runs Process"));
    }
    tabella_->setAccessibleName(QStringLiteral("Results"));
    tabella_->setAccessibleDescription(
        QStringLiteral("The nine results of the last Process, each row a label and its value"));
    chart1_->setAccessibleName(QStringLiteral("Cumulative vehicles chart"));
    chart1_->setAccessibleDescription(QStringLiteral(
        "Vehicles entered and left against time; the pointer over it reads the queue and the wait"));
    chart2_->setAccessibleName(QStringLiteral("Entering vehicles chart"));
    chart2_->setAccessibleDescription(QStringLiteral(
        "The hourly entering flow as bars and the capacity as a line; the pointer over it reads an hour's flow"));
}

QSplitter* TMenuGEN::CreateCharts()
{
    chart1_ = new ChartView;
    chart1_->setObjectName(QStringLiteral("Chart1"));
    chart2_ = new ChartView;
    chart2_->setObjectName(QStringLiteral("Chart2"));
    for (ChartView* chart : {chart1_, chart2_}) {
        chart->setFocusPolicy(Qt::NoFocus);
        chart->SetDecimalSeparator(decimalSeparator_);
    }
    chart1_->SetContents(InitialCumulativeChartContents());
    chart2_->SetContents(InitialEnteringChartContents());

    // The splitter keeps at least 20 units of chart on either side of it.
    chart2_->setMinimumSize(0, kSplitterMinimum);
    chart1_->setMinimumSize(0, kSplitterMinimum - 2 * kChartMargin);

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setHandleWidth(kSplitterWidth);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(FramedChart(chart2_));
    splitter->addWidget(FramedChart(chart1_));
    // On a window resize the upper chart keeps its height and the lower one takes the rest.
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    const int upper = kEnteringChartHeight + 2 * kChartMargin;
    splitter->setSizes({upper, kClientSize.height() - upper - kSplitterWidth});
    return splitter;
}

void TMenuGEN::CreateCopyResults()
{
    // One action for the shortcut anywhere in the window and the table's menu. Ctrl+C stays
    // the cell editor's own, for the text it holds.
    copyResults_ = new QAction(QStringLiteral("Copy results"), this);
    copyResults_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyResults_->setShortcutContext(Qt::WindowShortcut);
    addAction(copyResults_);
    connect(copyResults_, &QAction::triggered, this, &TMenuGEN::CopyResults);

    resultsMenu_ = new QMenu(this);
    resultsMenu_->addAction(copyResults_);
    tabella_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tabella_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { resultsMenu_->popup(tabella_->viewport()->mapToGlobal(at)); });
}

void TMenuGEN::CopyResults()
{
    // As the table shows them: a cell being edited shows its editor's text.
    const auto shownText = [this](int row, int column) {
        const QModelIndex cell = tabella_->model()->index(row, column);
        const auto* editor = qobject_cast<const QLineEdit*>(tabella_->indexWidget(cell));
        return editor != nullptr ? editor->text() : tabella_->CellText(row, column);
    };
    QList<ResultRow> rows;
    for (int row = 0; row < tabella_->rowCount(); ++row)
        rows.push_back({shownText(row, 0), shownText(row, 1)});
    QGuiApplication::clipboard()->setMimeData(ResultsMimeData(rows));
}

void TMenuGEN::FormCreate()
{
    const QStringList labels = ResultRowLabels();
    for (int row = 0; row < labels.size(); ++row)
        tabella_->WriteCell(row, 0, labels[row]);
    for (int row = 0; row < labels.size(); ++row)
        tabella_->WriteCell(row, 1, QString());
}

void TMenuGEN::SetInformationWindow(TInformazioni* window)
{
    informationWindow_ = window;
}

void TMenuGEN::SetErrorReporter(ErrorReporter reporter)
{
    errorReporter_ = std::move(reporter);
}

void TMenuGEN::SetSaveFileChooser(SaveFileChooser chooser)
{
    saveFileChooser_ = std::move(chooser);
}

void TMenuGEN::RebuildCumulativeChart(const QueueInputs& inputs, const QueueResults& results)
{
    chart1_->SetContents(CumulativeChartContents(inputs, results));
    chart1_->SetReadoutSource(CumulativeReadoutSource(inputs, results));
}

void TMenuGEN::RebuildEnteringChart(const QueueInputs& inputs, const QueueResults& results)
{
    chart2_->SetContents(EnteringChartContents(inputs, results));
    chart2_->SetReadoutSource(EnteringReadoutSource(inputs, results));
}

void TMenuGEN::Analisi_IMGClick()
{
    RunCommand([this] { Process(); });
}

void TMenuGEN::Salva_grafico_1_IMGClick()
{
    RunCommand([this] { SaveChart(*chart1_, QStringLiteral("Veicoli")); });
}

void TMenuGEN::Salva_grafico_2_IMGClick()
{
    RunCommand([this] { SaveChart(*chart2_, QStringLiteral("Veicoli entranti")); });
}

void TMenuGEN::Informazioni_IMGClick()
{
    RunCommand([this] {
        if (informationWindow_ != nullptr)
            informationWindow_->ShowInFront();
    });
}

void TMenuGEN::Process()
{
    // Everything is read and computed before anything visible changes,
    // so a rejected input leaves the table and the charts as they were.
    QueueInputs inputs{};
    inputs.NormalFlow = ReadWholeNumber(*portataNormale_);
    inputs.PeakFlow = ReadWholeNumber(*portataEccezionale_);
    inputs.Capacity = ReadWholeNumber(*capacita_);
    inputs.Duration = ReadWholeNumber(*durataFenomeno_);
    const QueueResults results = ComputeQueue(inputs);
    const QStringList texts = ResultValueTexts(results, decimalSeparator_);

    for (int row = 0; row < texts.size(); ++row)
        tabella_->WriteCell(row, 1, texts[row]);
    ExplainResults(inputs, results, texts);
    RebuildCumulativeChart(inputs, results);
    RebuildEnteringChart(inputs, results);
}

void TMenuGEN::ExplainResults(const QueueInputs& inputs, const QueueResults& results, const QStringList& texts)
{
    const QStringList tooltips = ResultValueTooltips(inputs, results, texts, decimalSeparator_);
    for (int row = 0; row < tooltips.size(); ++row)
        if (QTableWidgetItem* cell = tabella_->item(row, 1))
            cell->setToolTip(tooltips[row]);
}

QFileDialog& TMenuGEN::SaveDialog()
{
    // Made on first use: building Qt's dialog is a good part of start-up time, and the
    // first window shown does not need it.
    if (saveDialog1_ == nullptr) {
        saveDialog1_ = new SaveFileDialog(this);
        saveDialog1_->setObjectName(QStringLiteral("SaveDialog1"));
        saveDialog1_->setAcceptMode(QFileDialog::AcceptSave);
        saveDialog1_->setFileMode(QFileDialog::AnyFile);
        saveDialog1_->setNameFilter(QStringLiteral("PNG (*.png)"));
        saveDialog1_->setDefaultSuffix(QStringLiteral("png"));
        saveDialog1_->setOption(QFileDialog::DontConfirmOverwrite, false);
        saveDialog1_->setWindowModality(Qt::ApplicationModal);
    }
    return *saveDialog1_;
}

void TMenuGEN::SaveChart(ChartView& chart, const QString& proposedName)
{
    const std::optional<QString> fileName = saveFileChooser_(proposedName);
    if (!fileName)
        return;
    chart.SaveToBitmapFile(*fileName);
}

std::optional<QString> TMenuGEN::RunSaveDialog(const QString& proposedName)
{
    // Proposed afresh every time, so a name chosen for one chart is never offered for the other.
    SaveDialog().selectFile(proposedName);
    if (saveDialog1_->exec() != QDialog::Accepted)
        return std::nullopt;
    const QString file = saveDialog1_->ChosenFile();
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

void TMenuGEN::RunCommand(const std::function<void()>& command)
{
    // The one place where a failed command becomes a message: no exception may reach Qt's event loop.
    try {
        command();
    } catch (const std::exception& error) {
        errorReporter_(ErrorBoxText(QString::fromUtf8(error.what())));
    } catch (...) {
        errorReporter_(QStringLiteral("Unexpected failure."));
    }
}

void TMenuGEN::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    CentreOnScreen();
}

void TMenuGEN::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    RecentreForFrame();
}

void TMenuGEN::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // The first paint follows the window manager's framing, which moves nothing Qt reports.
    RecentreForFrame();
}

void TMenuGEN::RecentreForFrame()
{
    // Some window managers add the frame only after the first show: centre again, once, when
    // the frame the placement counted with turns out different.
    if (!placed_ || frameChecked_ || windowHandle() == nullptr)
        return;
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull())
        return;
    frameChecked_ = true;
    if (frame != placedFrame_)
        CentreOnScreen();
}

void TMenuGEN::CentreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // The whole window, frame included, goes to the middle of the work area; a frame
    // not known yet (before the window manager has decorated it) counts as none.
    placedFrame_ = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    frameChecked_ = frameChecked_ || !placedFrame_.isNull();
    const QSize outer = size().grownBy(placedFrame_);
    move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, outer, screen->availableGeometry()).topLeft());
}

}  // namespace zorvanta
