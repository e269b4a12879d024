#include "Informazion.h"

#include "AppIcon.h"
#include "LogoArtwork.h"

#include <QAction>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>
#include <array>

namespace zorvanta {

namespace {

constexpr int ClientWidth = 384;                 // logical pixels
constexpr int ClientHeight = 567;                // logical pixels
constexpr int BandHeight = 64;                   // title band and button band
constexpr int BandMargin = 10;                   // gap between a band and the rows
constexpr int BackButtonWidth = 100;
const QColor Background(0x1A, 0x1A, 0x1A);
const QColor BandColour(0xC8, 0x40, 0x00);

// The back button draws a grey left arrow alone on a transparent ground: the text
// stays on the button for screen readers but is never painted.
class BackArrowButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void enterEvent(QEnterEvent* event) override
    {
        hovered_ = true;
        update();
        QPushButton::enterEvent(event);
    }

    void leaveEvent(QEvent* event) override
    {
        hovered_ = false;
        update();
        QPushButton::leaveEvent(event);
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF ground = QRectF(rect()).adjusted(6.0, 6.0, -6.0, -6.0);

        if (isDown() || hovered_) {
            const int alpha = isDown() ? 130 : 50;
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0x40, 0x90, 0xFF, alpha));
            painter.drawRoundedRect(ground, 8.0, 8.0);
        }
        if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            painter.setPen(QPen(QColor(0xE0, 0xE0, 0xE0), 1.5, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(ground, 8.0, 8.0);
        }

        const QPointF centre = QRectF(rect()).center();
        QPainterPath arrow;
        arrow.moveTo(centre + QPointF(18.0, 0.0));
        arrow.lineTo(centre + QPointF(-16.0, 0.0));
        arrow.moveTo(centre + QPointF(-3.0, -13.0));
        arrow.lineTo(centre + QPointF(-16.0, 0.0));
        arrow.lineTo(centre + QPointF(-3.0, 13.0));
        painter.setPen(QPen(QColor(0xB4, 0xB4, 0xB4), 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(arrow);
    }

private:
    bool hovered_ = false;
};

QFont PixelFont(const QFont& base, int pixelSize, bool bold)
{
    QFont font = base;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void FillWith(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* CentredLabel(QWidget* parent, const char* name, const QString& text, int pixelSize, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(PixelFont(label->font(), pixelSize, bold));
    return label;
}

}  // namespace

TInformazioni::TInformazioni(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Informazioni"));
    setWindowTitle(QStringLiteral("Informazioni"));
    setWindowIcon(ApplicationIcon());
    // Closing the main window must end the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    FillWith(this, Background);

    titleBand_ = new QWidget(this);
    titleBand_->setObjectName(QStringLiteral("Titolo_REC"));
    FillWith(titleBand_, BandColour);
    CentredLabel(titleBand_, "Titolo_LAB", QStringLiteral("Zorvanta"), 36, true);

    logo_ = new TLogoPicture(this);
    logo_->setObjectName(QStringLiteral("logo_IMG"));

    tagline_ = CentredLabel(this, "Descrizione_LAB", QStringLiteral("Beat the peak"), 38, true);
    version_ = CentredLabel(this, "Label2", QStringLiteral("versione " ZORVANTA_VERSION), 28, false);
    makerLine1_ = CentredLabel(this, "Label1", QStringLiteral("Realizzato da Kelbrum"), 20, false);
    makerLine2_ = CentredLabel(this, "Label3", QStringLiteral("Traffic tools, fatti con cura"), 20, false);

    buttonBand_ = new QWidget(this);
    buttonBand_->setObjectName(QStringLiteral("Pulsanti_REC"));
    FillWith(buttonBand_, BandColour);

    back_ = new BackArrowButton(QStringLiteral("Annulla"), buttonBand_);
    back_->setObjectName(QStringLiteral("Annulla_BTN"));
    back_->setAccessibleName(QStringLiteral("Annulla"));
    back_->setCursor(Qt::PointingHandCursor);
    back_->setAutoDefault(false);
    back_->setFocusPolicy(Qt::StrongFocus);
    back_->setGeometry(0, 0, BackButtonWidth, BandHeight);
    connect(back_, &QPushButton::clicked, this, &TInformazioni::Annulla_BTNClick);
    back_->setAccessibleDescription(QStringLiteral("Back: hides the information window (Escape)"));
    // Escape hides the window like the back button.
    auto* hide = new QAction(this);
    hide->setObjectName(QStringLiteral("Annulla_ACT"));
    hide->setShortcut(QKeySequence(Qt::Key_Escape));
    hide->setShortcutContext(Qt::WindowShortcut);
    addAction(hide);
    connect(hide, &QAction::triggered, this, &TInformazioni::Annulla_BTNClick);

    resize(ClientWidth, ClientHeight);
    // Never smaller than its contents: the logo and the widest line keep their room, and the
    // rows with the button band keep the designed height.
    int widest = 256;
    for (const QLabel* label : {tagline_, version_, makerLine1_, makerLine2_})
        widest = std::max(widest, label->sizeHint().width());
    setMinimumSize(std::min(widest, ClientWidth), ClientHeight);
    DockRows();
}

void TInformazioni::ShowInFront()
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void TInformazioni::showEvent(QShowEvent* event)
{
    // Centred on the first showing only: afterwards it reopens where the user left it.
    if (!placed_) {
        placed_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

void TInformazioni::resizeEvent(QResizeEvent* event)
{
    DockRows();
    QWidget::resizeEvent(event);
}

void TInformazioni::Annulla_BTNClick() { close(); }

void TInformazioni::DockRows()
{
    struct Row {
        QWidget* widget;
        int height;      // logical pixels
        int marginBelow; // logical pixels
    };
    const std::array<Row, 6> rows = {{{titleBand_, BandHeight, BandMargin},
                                      {logo_, 256, 0},
                                      {tagline_, 54, 0},
                                      {version_, 40, 0},
                                      {makerLine1_, 40, 0},
                                      {makerLine2_, 40, 0}}};
    int top = 0;
    for (const Row& row : rows) {
        row.widget->setGeometry(0, top, width(), row.height);
        top += row.height + row.marginBelow;
    }
    titleBand_->findChild<QLabel*>(QStringLiteral("Titolo_LAB"))->setGeometry(0, 0, width(), BandHeight);

    // The rows above end at 504, so at the designed height of 567 the bottom band and its
    // 10-pixel margin do not fit: the band stays docked to the bottom and covers the last
    // row's empty lower edge rather than growing the window.
    buttonBand_->setGeometry(0, height() - BandHeight, width(), BandHeight);
    buttonBand_->raise();
}

}  // namespace zorvanta
