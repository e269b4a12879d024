#pragma once

#include <QString>

class QWidget;

namespace zorvanta {

/// The text the user reads for a failure: a full stop is appended when the message's
/// last character has a higher code than "." (a letter or digit, not a bracket, quote or blank).
QString ErrorBoxText(const QString& message);

/// The text with an invisible break opportunity (U+200B) after each character of a long run
/// without blanks, so that a box can wrap it anywhere; every character of `text` stays, in order.
QString BreakableText(const QString& text);

/// Shows `text` in a modal message box titled "Error" with the critical icon and one OK button;
/// a long text wraps and the box stays within the screen's width.
void ShowErrorBox(QWidget* parent, const QString& text);

}  // namespace zorvanta
