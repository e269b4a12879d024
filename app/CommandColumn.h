#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include "IconArtwork.h"

class QLineEdit;
class QWidget;

namespace zorvanta {

class CommandIcon;

/// An input field of the command column; its controls are named Stem_TXT, Stem_LAB and Stem_UNT.
struct InputFieldLayout {
    QString Stem;
    QPoint Position;  ///< top-left of the edit in the column
    QSize Size;
    QString Text;     ///< initial value
    QString Caption;  ///< left of the edit, wrapped at word boundaries
    QString Unit;     ///< right of the edit
};

/// A command icon; its controls are named Stem_IMG and Stem_LAB.
struct CommandIconLayout {
    QString Stem;
    IconPicture Picture;
    QPoint Position;    ///< top-left of the 42 x 42 icon in the column
    int CaptionX;       ///< left of the caption relative to the icon
    int CaptionWidth;
    QString Caption;    ///< centred below the icon
};

/// Adds the edit with its caption and unit labels (white, 14 pixels) to the column.
QLineEdit* AddInputField(QWidget* column, const InputFieldLayout& layout);

/// Adds the icon with its caption below it; the caption lets every mouse event through.
CommandIcon* AddCommandIcon(QWidget* column, const CommandIconLayout& layout);

}  // namespace zorvanta
