#pragma once

#include <QString>

class QWidget;

namespace zorvanta {

/// The text the user reads for a failure: a full stop is appended when the message's
/// last character has a higher code than "." (a letter or digit, not a bracket, quote or blank).
QString ErrorBoxText(const QString& message);

/// Shows `text` in a modal message box titled "Error" with the critical icon and one OK button.
void ShowErrorBox(QWidget* parent, const QString& text);

}  // namespace zorvanta
