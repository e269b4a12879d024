#include "MenuGE.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

#include <exception>

#include "ChartBuilders.h"
#include "ChartView.h"
#include "CommandColumn.h"
#include "CommandIcon.h"
#include "ErrorReport.h"
#include "Informazion.h"
#include "NumberText.h"
#include "ResultTexts.h"
#include "ResultsTable.h"

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

    saveDialog1_ = new QFileDialog(this);
    saveDialog1_->setObjectName(QStringLiteral("SaveDialog1"));
    saveDialog1_->setAcceptMode(QFileDialog::AcceptSave);
    saveDialog1_->setFileMode(QFileDialog::AnyFile);
    saveDialog1_->setNameFilter(QStringLiteral("PNG (*.png)"));
    saveDialog1_->setDefaultSuffix(QStringLiteral("png"));
    saveDialog1_->setOption(QFileDialog::DontConfirmOverwrite, false);
    saveDialog1_->setWindowModality(Qt::ApplicationModal);

    errorReporter_ = [this](const QString& text) { ShowErrorBox(this, text); };
    saveFileChooser_ = [this](const QString&) { return RunSaveDialog(); };

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

    CommandIcon* process = AddCommandIcon(column, {QStringLiteral("Analisi"), IconPicture::Process,
        {14, 210}, -9, 60, QStringLiteral("Process")});
    CommandIcon* save1 = AddCommandIcon(column, {QStringLiteral("Salva_grafico_1"), IconPicture::Save,
        {105, 210}, -22, 90, QStringLiteral("Save graphic 1")});
    CommandIcon* save2 = AddCommandIcon(column, {QStringLiteral("Salva_grafico_2"), IconPicture::Save,
        {205, 210}, -22, 90, QStringLiteral("Save graphic 2")});

    tabella_ = new ResultsTable(column);
    tabella_->setObjectName(QStringLiteral("Tabella_TXT"));
    tabella_->setGeometry(10, 290, 206, 216);

    CommandIcon* information = AddCommandIcon(column, {QStringLiteral("Informazioni"),
        IconPicture::Information, {229, 480}, -19, 80, QStringLiteral("Information")});

    connect(process, &CommandIcon::clicked, this, &TMenuGEN::Analisi_IMGClick);
    connect(save1, &CommandIcon::clicked, this, &TMenuGEN::Salva_grafico_1_IMGClick);
    connect(save2, &CommandIcon::clicked, this, &TMenuGEN::Salva_grafico_2_IMGClick);
    connect(information, &CommandIcon::clicked, this, &TMenuGEN::Informazioni_IMGClick);
    // Enter in any input runs Process, so the whole command is reachable from the keyboard.
    for (QLineEdit* edit : {portataNormale_, portataEccezionale_, capacita_, durataFenomeno_})
        connect(edit, &QLineEdit::returnPressed, this, &TMenuGEN::Analisi_IMGClick);
    return column;
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
}

void TMenuGEN::RebuildEnteringChart(const QueueInputs& inputs, const QueueResults& results)
{
    chart2_->SetContents(EnteringChartContents(inputs, results));
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
    RebuildCumulativeChart(inputs, results);
    RebuildEnteringChart(inputs, results);
}

void TMenuGEN::SaveChart(ChartView& chart, const QString& proposedName)
{
    // Proposed afresh every time, so a name chosen for one chart is never offered for the other.
    saveDialog1_->selectFile(proposedName);
    const std::optional<QString> fileName = saveFileChooser_(proposedName);
    if (!fileName)
        return;
    chart.SaveToBitmapFile(*fileName);
}

std::optional<QString> TMenuGEN::RunSaveDialog()
{
    if (saveDialog1_->exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = saveDialog1_->selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return files.front();
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
