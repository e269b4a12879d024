#include "Informazion.h"
#include "LogoArtwork.h"
#include "MenuGE.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEnterEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

using zorvanta::TInformazioni;

namespace {

const QColor Background(0x1A, 0x1A, 0x1A);
const QColor Band(0xC8, 0x40, 0x00);

template <typename T = QWidget>
T* Child(const QWidget& window, const char* name)
{
    T* child = window.findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

int VisibleInformationWindows()
{
    const auto windows = QApplication::topLevelWidgets();
    return static_cast<int>(std::count_if(windows.begin(), windows.end(), [](QWidget* w) {
        return qobject_cast<TInformazioni*>(w) != nullptr && w->isVisible();
    }));
}

QColor PixelOf(QWidget& widget, QPoint at)
{
    QImage image = widget.grab().toImage();
    image.setDevicePixelRatio(1.0);
    return image.pixelColor(at * widget.devicePixelRatioF());
}

class InformationWindowTest : public testing::Test {
protected:
    TInformazioni window;
};

TEST_F(InformationWindowTest, StartsHiddenAsAnIndependentNonModalWindow)
{
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.objectName(), "Informazioni");
    EXPECT_EQ(window.windowTitle(), "Informazioni");
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.parentWidget(), nullptr);
    EXPECT_EQ(window.windowModality(), Qt::NonModal);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window.size(), QSize(384, 567));
}

struct RowPlace {
    const char* name;
    int top;     // logical pixels from the top of the client area; negative: from the bottom
    int height;  // logical pixels
};

// Every row spans the window's width; the button band stays docked to the bottom.
TEST_F(InformationWindowTest, RowsAreStackedFromTheTopAndFollowTheWidth)
{
    const std::vector<RowPlace> rows = {
        {"Titolo_REC", 0, 64},  {"logo_IMG", 74, 256}, {"Descrizione_LAB", 330, 54},
        {"Label2", 384, 40},    {"Label1", 424, 40},   {"Label3", 464, 40},
        {"Pulsanti_REC", -64, 64}};
    window.ShowInFront();
    for (const QSize size : {QSize(384, 567), QSize(520, 700), QSize(300, 640)}) {
        window.resize(size);
        for (const RowPlace& row : rows) {
            const QWidget* widget = Child(window, row.name);
            ASSERT_NE(widget, nullptr);
            const int top = row.top >= 0 ? row.top : size.height() + row.top;
            EXPECT_EQ(widget->geometry(), QRect(0, top, size.width(), row.height))
                << row.name << " at " << size.width() << "x" << size.height();
        }
        const auto* title = Child(window, "Titolo_LAB");
        EXPECT_EQ(title->geometry(), QRect(0, 0, size.width(), 64));
        EXPECT_EQ(title->parentWidget(), Child(window, "Titolo_REC"));
        const auto* back = Child(window, "Annulla_BTN");
        EXPECT_EQ(back->geometry(), QRect(0, 0, 100, 64));
        EXPECT_EQ(back->parentWidget(), Child(window, "Pulsanti_REC"));
    }
}

struct LabelLook {
    const char* name;
    int pixelSize;
    bool bold;
};

// Each text is white, centred, in its size, and fits the designed width unclipped.
TEST_F(InformationWindowTest, LabelsHaveTheirFontAndFitTheWindow)
{
    const std::vector<LabelLook> labels = {{"Titolo_LAB", 36, true},
                                           {"Descrizione_LAB", 38, true},
                                           {"Label2", 28, false},
                                           {"Label1", 20, false},
                                           {"Label3", 20, false}};
    for (const LabelLook& look : labels) {
        const auto* label = Child<QLabel>(window, look.name);
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(label->text().isEmpty()) << look.name;
        EXPECT_EQ(label->font().pixelSize(), look.pixelSize) << look.name;
        EXPECT_EQ(label->font().bold(), look.bold) << look.name;
        EXPECT_EQ(label->alignment(), Qt::AlignCenter) << look.name;
        EXPECT_EQ(label->palette().color(label->foregroundRole()), QColor(Qt::white)) << look.name;
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), 384) << look.name;
    }
    EXPECT_EQ(Child<QLabel>(window, "Titolo_LAB")->text(), "Zorvanta");
}

TEST_F(InformationWindowTest, VersionLabelShowsTheProjectVersion)
{
    EXPECT_EQ(Child<QLabel>(window, "Label2")->text(), "versione " ZORVANTA_PROJECT_VERSION);
}

TEST_F(InformationWindowTest, BackgroundAndBandsAreFilled)
{
    EXPECT_EQ(PixelOf(window, {2, 68}), Background);       // margin below the title band
    EXPECT_EQ(PixelOf(window, {380, 2}), Band);            // title band, right of the name
    EXPECT_EQ(PixelOf(window, {380, 565}), Band);          // button band, right of the button
}

TEST_F(InformationWindowTest, ShowingTwiceGivesOneWindowInFront)
{
    window.ShowInFront();
    window.ShowInFront();
    EXPECT_EQ(VisibleInformationWindows(), 1);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST_F(InformationWindowTest, FirstShowingIsCentredOnThePrimaryScreen)
{
    window.ShowInFront();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint offset = window.frameGeometry().center() - area.center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
}

TEST_F(InformationWindowTest, ShowingRestoresAMinimisedWindow)
{
    window.ShowInFront();
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    window.ShowInFront();
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
}

// Hiding is not destroying: the window comes back as it was, where the user left it.
TEST_F(InformationWindowTest, BackAndCloseHideAndShowingAgainRestoresItAsLeft)
{
    window.ShowInFront();
    const QPoint leftAt = window.pos() + QPoint(37, 23);
    window.move(leftAt);
    const QImage before = window.grab().toImage();

    auto* back = Child<QAbstractButton>(window, "Annulla_BTN");
    ASSERT_NE(back, nullptr);
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(VisibleInformationWindows(), 0);

    window.ShowInFront();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), leftAt);
    EXPECT_EQ(window.grab().toImage(), before);

    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    window.ShowInFront();
    EXPECT_EQ(window.pos(), leftAt);
    EXPECT_EQ(VisibleInformationWindows(), 1);
}

// A stand-in for the main window: it must stay usable while the information window shows.
TEST_F(InformationWindowTest, OtherWindowsStayUsableWhileItShows)
{
    QPushButton other(QStringLiteral("other"));
    other.show();
    window.ShowInFront();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QSignalSpy clicked(&other, &QPushButton::clicked);
    QTest::mouseClick(&other, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}

// Closing the last ordinary window ends the event loop although this one is still open.
TEST_F(InformationWindowTest, DoesNotKeepTheProgramRunning)
{
    auto mainWindow = std::make_unique<QWidget>();
    mainWindow->show();
    window.ShowInFront();
    QTimer::singleShot(0, mainWindow.get(), &QWidget::close);
    // A safety net only: if the loop failed to end, leave it with a distinct code.
    QTimer safetyNet;
    safetyNet.setSingleShot(true);
    QObject::connect(&safetyNet, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    safetyNet.start(20000);
    EXPECT_EQ(QApplication::exec(), 0);
}

// The button text stays for screen readers; the user sees only a grey arrow whose ground
// turns faint blue under the mouse and stronger blue while pressed.
TEST_F(InformationWindowTest, BackButtonIsAnArrowTintedByHoverAndPress)
{
    auto* back = Child<QPushButton>(window, "Annulla_BTN");
    auto* band = Child(window, "Pulsanti_REC");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->text(), "Annulla");
    EXPECT_EQ(back->accessibleName(), "Annulla");
    EXPECT_EQ(back->cursor().shape(), Qt::PointingHandCursor);
    window.ShowInFront();

    const QPoint ground(50, 14);  // inside the button, away from the arrow
    const QColor arrow = PixelOf(*band, {50, 32});
    EXPECT_NE(arrow, Band);
    EXPECT_LE(std::abs(arrow.red() - arrow.blue()), 2) << "the arrow is grey";
    EXPECT_LE(std::abs(arrow.red() - arrow.green()), 2) << "the arrow is grey";
    EXPECT_EQ(PixelOf(*band, ground), Band) << "transparent ground";

    QEnterEvent enter(QPointF(50, 32), QPointF(50, 32), back->mapToGlobal(QPointF(50, 32)));
    QApplication::sendEvent(back, &enter);
    const QColor hovered = PixelOf(*band, ground);
    EXPECT_GT(hovered.blue(), Band.blue());

    QTest::mousePress(back, Qt::LeftButton, {}, QPoint(50, 32));
    const QColor pressed = PixelOf(*band, ground);
    EXPECT_GT(pressed.blue(), hovered.blue());
    QTest::mouseRelease(back, Qt::LeftButton, {}, QPoint(50, 32));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(back, &leave);
    EXPECT_EQ(PixelOf(*band, ground), Band);
}

// The real main window: its Information icon shows this one window, and its other
// commands keep working while it is open.
TEST(InformationWithMainWindowTest, CommandsKeepWorkingWhileItIsOpen)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    zorvanta::TMenuGEN mainWindow('.');
    TInformazioni information;
    QStringList errors;
    mainWindow.SetInformationWindow(&information);
    mainWindow.SetErrorReporter([&errors](const QString& text) { errors << text; });
    mainWindow.SetSaveFileChooser([&folder](const QString& proposed) -> std::optional<QString> {
        return folder.filePath(proposed + ".png");
    });
    mainWindow.show();

    auto* informationIcon = Child(mainWindow, "Informazioni_IMG");
    ASSERT_NE(informationIcon, nullptr);
    QTest::mouseClick(informationIcon, Qt::LeftButton);
    QTest::mouseClick(informationIcon, Qt::LeftButton);
    EXPECT_EQ(VisibleInformationWindows(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    QTest::mouseClick(Child(mainWindow, "Analisi_IMG"), Qt::LeftButton);
    const auto* table = Child<QTableWidget>(mainWindow, "Tabella_TXT");
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->item(8, 1), nullptr);
    EXPECT_EQ(table->item(8, 1)->text(), "12000");

    QTest::mouseClick(Child(mainWindow, "Salva_grafico_1_IMG"), Qt::LeftButton);
    QTest::mouseClick(Child(mainWindow, "Salva_grafico_2_IMG"), Qt::LeftButton);
    EXPECT_TRUE(QFileInfo(folder.filePath("Veicoli.png")).size() > 0);
    EXPECT_TRUE(QFileInfo(folder.filePath("Veicoli entranti.png")).size() > 0);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(" | ").toStdString();
    EXPECT_TRUE(information.isVisible());
}

// Logo ----------------------------------------------------------------------------------

struct Centroid {
    double sumY = 0;
    int count = 0;
    double MeanY() const { return count > 0 ? sumY / count : -1.0; }
};

TEST(LogoArtworkTest, VehiclesAreGreenWhiteAndRedFromTheTopInTwoLanes)
{
    const QImage logo = zorvanta::LogoImage(512).convertToFormat(QImage::Format_ARGB32);
    // Near the vehicles' own body colours only, so lane lines, brake lights and the
    // orange ring do not count.
    const std::vector<QColor> bodies = {QColor(0x00, 0x92, 0x46), QColor(0xF4, 0xF5, 0xF0),
                                        QColor(0xCE, 0x2B, 0x37)};
    std::vector<Centroid> left(bodies.size()), right(bodies.size());
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            const QColor c = logo.pixelColor(x, y);
            for (std::size_t i = 0; i < bodies.size(); ++i) {
                const int distance = std::abs(c.red() - bodies[i].red()) +
                                     std::abs(c.green() - bodies[i].green()) +
                                     std::abs(c.blue() - bodies[i].blue());
                const bool laneLine = c.red() == c.green() && c.green() == c.blue();
                if (distance <= 12 && !laneLine) {
                    Centroid& lane = x < 256 ? left[i] : right[i];
                    lane.sumY += y;
                    ++lane.count;
                }
            }
        }
    }
    for (const auto* lane : {&left, &right}) {
        for (const Centroid& colour : *lane)
            EXPECT_GT(colour.count, 50);
        EXPECT_LT((*lane)[0].MeanY(), (*lane)[1].MeanY()) << "green above white";
        EXPECT_LT((*lane)[1].MeanY(), (*lane)[2].MeanY()) << "white above red";
    }
    EXPECT_EQ(logo.pixelColor(0, 0).alpha(), 0) << "the corners stay transparent";
}

// At a high display scale the logo is painted at full resolution, not enlarged from 256.
TEST(LogoArtworkTest, IsPaintedAtTheDisplayScale)
{
    const QImage scaled = zorvanta::LogoImage(256, 2.0);
    EXPECT_EQ(scaled.size(), QSize(512, 512));
    EXPECT_EQ(scaled.devicePixelRatio(), 2.0);
    QImage full = zorvanta::LogoImage(512, 1.0);
    full.setDevicePixelRatio(2.0);
    EXPECT_EQ(scaled, full);
}

TEST_F(InformationWindowTest, LogoIsDrawnCentredAt256)
{
    auto* picture = Child<zorvanta::TLogoPicture>(window, "logo_IMG");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->LogoRect(), QRectF(64, 0, 256, 256));

    QImage image = picture->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(1.0);
    const qreal ratio = picture->devicePixelRatioF();
    QRect drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != Background)
                drawn |= QRect(x, y, 1, 1);
    const QRect logical(QPoint(qFloor(drawn.left() / ratio), qFloor(drawn.top() / ratio)),
                        QPoint(qCeil(drawn.right() / ratio), qCeil(drawn.bottom() / ratio)));
    EXPECT_NEAR(logical.left(), 64, 3);
    EXPECT_NEAR(logical.right(), 319, 3);
    EXPECT_NEAR(logical.top(), 0, 3);
    EXPECT_NEAR(logical.bottom(), 255, 3);
}

}  // namespace
