#include "ErrorReport.h"

#include <QMessageBox>

namespace zorvanta {

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorBox(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, parent);
    // The message quotes what the user typed; "<b>" in a field must stay visible as typed.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace zorvanta
