#pragma once

#include <QFileDialog>
#include <QString>

namespace zorvanta {

/// The file a name typed into a save dialog stands for: the name exactly as typed, in the
/// folder the dialog shows (or as given, when absolute), completed with the default suffix
/// when its last part has no ".".
QString TypedSaveFileName(const QString& folder, const QString& typed, const QString& defaultSuffix);

/// Qt's own save dialog, with one mended fault: Qt reads a typed name holding a double quote
/// (legal on Linux, e.g. x"zz.gif) as a list of quoted names and returns another file in
/// another folder. Here such a name is taken as typed, asked about before an existing file is
/// replaced like any other. The platform's native dialog, where one is used, has no such fault.
class SaveFileDialog : public QFileDialog {
    Q_OBJECT

public:
    explicit SaveFileDialog(QWidget* parent = nullptr);

    /// The one file the user chose in the last accepted run of the dialog.
    QString ChosenFile() const;

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString TypedText() const;
    void EnableSaveForQuotedName();

    QString typedChoice_;  ///< the chosen file when Qt's reading of the name was bypassed
    bool watchingName_ = false;
};

}  // namespace zorvanta
