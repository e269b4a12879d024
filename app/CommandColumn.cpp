#include "CommandColumn.h"

#include <QLabel>
#include <QLineEdit>

#include <limits>

#include "CommandIcon.h"

namespace zorvanta {

namespace {

constexpr int kFieldFontPixels = 14;
// Caption labels sit left of and slightly above their edit; unit labels right of it.
constexpr QPoint kFieldCaptionOffset{-190, -10};
constexpr QSize kFieldCaptionSize{190, 46};
constexpr QPoint kUnitOffset{64, 0};
constexpr QSize kUnitSize{40, 24};
constexpr int kIconCaptionTop = 41;
constexpr int kIconCaptionHeight = 19;

void MakeWhite(QLabel* label)
{
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(colours);
}

QLabel* AddFieldLabel(QWidget* column, const QString& name, const QString& text, QRect geometry)
{
    auto* label = new QLabel(text, column);
    label->setObjectName(name);
    label->setGeometry(geometry);
    QFont font = label->font();
    font.setPixelSize(kFieldFontPixels);
    label->setFont(font);
    MakeWhite(label);
    return label;
}

}  // namespace

QLineEdit* AddInputField(QWidget* column, const InputFieldLayout& layout)
{
    auto* edit = new QLineEdit(layout.Text, column);
    edit->setObjectName(layout.Stem + QStringLiteral("_TXT"));
    edit->setGeometry(QRect(layout.Position, layout.Size));
    // No length limit of its own (Qt's default is 32767): the text is judged only by Process.
    edit->setMaxLength(std::numeric_limits<int>::max());
    QFont font = edit->font();
    font.setPixelSize(kFieldFontPixels);
    edit->setFont(font);

    QLabel* caption = AddFieldLabel(column, layout.Stem + QStringLiteral("_LAB"), layout.Caption,
                                    QRect(layout.Position + kFieldCaptionOffset, kFieldCaptionSize));
    caption->setWordWrap(true);
    AddFieldLabel(column, layout.Stem + QStringLiteral("_UNT"), layout.Unit,
                  QRect(layout.Position + kUnitOffset, kUnitSize));
    return edit;
}

CommandIcon* AddCommandIcon(QWidget* column, const CommandIconLayout& layout)
{
    auto* icon = new CommandIcon(layout.Picture, column);
    icon->setObjectName(layout.Stem + QStringLiteral("_IMG"));
    icon->move(layout.Position);

    auto* caption = new QLabel(layout.Caption, column);
    caption->setObjectName(layout.Stem + QStringLiteral("_LAB"));
    caption->setGeometry(layout.Position.x() + layout.CaptionX, layout.Position.y() + kIconCaptionTop,
                         layout.CaptionWidth, kIconCaptionHeight);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    MakeWhite(caption);
    // Only the 42 x 42 picture reacts: pointing at or clicking the caption does nothing.
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    return icon;
}

}  // namespace zorvanta
