#include "ErrorReport.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QWindow>

#include <algorithm>

namespace zorvanta {

namespace {

// Longer runs without a blank (a field holding thousands of characters) get break opportunities.
constexpr qsizetype kLongestUnbrokenRun = 40;
constexpr QChar kZeroWidthSpace(0x200B);

// The critical box, never larger than the work area: Qt's box may take the whole screen width,
// its frame then reaching past the edges, and grows as tall as its text.
class ErrorBox : public QMessageBox {
public:
    ErrorBox(QWidget* parent, const QString& text)
        : QMessageBox(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, parent)
    {
        // The message quotes what the user typed; "<b>" in a field must stay visible as typed.
        setTextFormat(Qt::PlainText);
        setText(BreakableText(text));
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);  // sizes the box for its text
        FitIntoWorkArea();
    }

    bool event(QEvent* event) override
    {
        const bool handled = QMessageBox::event(event);
        // Qt's box sizes itself anew on a layout request; the fitted size stands.
        if (event->type() == QEvent::LayoutRequest && fitted_.isValid() && size() != fitted_)
            setFixedSize(fitted_);
        return handled;
    }

private:
    // Narrower than the work area, and when the wrapped text is still too tall, the text scrolls
    // inside the box so that OK stays on the screen.
    void FitIntoWorkArea()
    {
        const QScreen* shown = screen();
        auto* grid = qobject_cast<QGridLayout*>(layout());
        if (shown == nullptr || grid == nullptr)
            return;
        const QRect area = shown->availableGeometry();
        const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
        // A frame not known yet still gets room, as much as a usual window frame takes.
        const QSize frameSize(std::max(frame.left() + frame.right(), 2 * kAssumedFrameSide),
                              std::max(frame.top() + frame.bottom(), 4 * kAssumedFrameSide));
        const QSize largest = area.size() - frameSize;
        if (width() <= largest.width() && height() <= largest.height())
            return;
        const int boxWidth = std::min(width(), largest.width());
        int boxHeight = grid->totalHeightForWidth(boxWidth);
        if (boxHeight > largest.height()) {
            ScrollText(*grid);
            boxHeight = largest.height();
        }
        fitted_ = QSize(boxWidth, boxHeight);
        setFixedSize(fitted_);
        move(area.left() + (area.width() - boxWidth - frameSize.width()) / 2,
             area.top() + (area.height() - boxHeight - frameSize.height()) / 2);
    }

    void ScrollText(QGridLayout& grid)
    {
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        const int index = label != nullptr ? grid.indexOf(label) : -1;
        if (index < 0)
            return;
        int row = 0;
        int column = 0;
        int rowSpan = 0;
        int columnSpan = 0;
        grid.getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        grid.removeWidget(label);
        auto* scroll = new QScrollArea(this);
        scroll->setObjectName(QStringLiteral("Error_text_scroll"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setWidgetResizable(true);
        scroll->setWidget(label);
        grid.addWidget(scroll, row, column, rowSpan, columnSpan);
        scroll->show();
    }

    static constexpr int kAssumedFrameSide = 8;
    QSize fitted_;  ///< invalid while Qt's own size fits
};

}  // namespace

QString BreakableText(const QString& text)
{
    QString result;
    result.reserve(text.size() * 2);
    qsizetype run = 0;  // characters since the last blank
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar character = text[i];
        result += character;
        run = character.isSpace() ? 0 : run + 1;
        const bool lastOfRun = i + 1 == text.size() || text[i + 1].isSpace();
        // A break between the halves of a surrogate pair would split one character.
        if (run >= kLongestUnbrokenRun && !lastOfRun && !character.isHighSurrogate()) {
            result += kZeroWidthSpace;
        }
    }
    return result;
}

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorBox(QWidget* parent, const QString& text)
{
    ErrorBox box(parent, text);
    box.exec();
}

}  // namespace zorvanta
