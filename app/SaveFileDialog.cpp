#include "SaveFileDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace zorvanta {

namespace {

// The widgets of Qt's own dialog, by the names its form gives them.
constexpr char kNameEdit[] = "fileNameEdit";
constexpr char kButtons[] = "buttonBox";

}  // namespace

QString TypedSaveFileName(const QString& folder, const QString& typed, const QString& defaultSuffix)
{
    QString name = QDir(folder).absoluteFilePath(typed);
    if (!defaultSuffix.isEmpty() && !QFileInfo(name).fileName().contains(u'.'))
        name += u'.' + defaultSuffix;
    return name;
}

SaveFileDialog::SaveFileDialog(QWidget* parent) : QFileDialog(parent) {}

QString SaveFileDialog::ChosenFile() const
{
    if (!typedChoice_.isEmpty())
        return typedChoice_;
    return selectedFiles().value(0);
}

QString SaveFileDialog::TypedText() const
{
    const auto* edit = findChild<QLineEdit*>(kNameEdit);
    return edit != nullptr ? edit->text() : QString();
}

void SaveFileDialog::showEvent(QShowEvent* event)
{
    typedChoice_.clear();
    QFileDialog::showEvent(event);
    if (watchingName_)
        return;
    if (auto* edit = findChild<QLineEdit*>(kNameEdit)) {
        watchingName_ = true;
        // Connected after Qt's own handler, so this has the last word on the Save button.
        connect(edit, &QLineEdit::textChanged, this, &SaveFileDialog::EnableSaveForQuotedName);
    }
}

void SaveFileDialog::EnableSaveForQuotedName()
{
    const QString typed = TypedText();
    if (!typed.contains(u'"'))
        return;
    // Qt disables Save for some quoted names it cannot split (x" for one); every
    // non-empty name is a name here.
    if (auto* buttons = findChild<QDialogButtonBox*>(kButtons))
        for (QAbstractButton* button : buttons->buttons())
            if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
                button->setEnabled(!typed.isEmpty());
}

void SaveFileDialog::accept()
{
    typedChoice_.clear();
    const QString typed = TypedText();
    if (!typed.contains(u'"')) {
        QFileDialog::accept();
        return;
    }
    const QString fileName = TypedSaveFileName(directory().absolutePath(), typed, defaultSuffix());
    const QFileInfo target(fileName);
    if (target.isDir()) {  // as for any name: a folder's name opens the folder
        setDirectory(fileName);
        return;
    }
    if (target.exists() && !testOption(DontConfirmOverwrite)) {
        const QString question = tr("%1 already exists.\nDo you want to replace it?").arg(target.fileName());
        if (QMessageBox::warning(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
            != QMessageBox::Yes)
            return;
    }
    typedChoice_ = fileName;
    QDialog::accept();
}

}  // namespace zorvanta
