#include "ApplicationLook.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace zorvanta {

namespace {

// Faces with the metrics the layout was made for, the platform's own ones first.
const QStringList kFittingFaces{QStringLiteral("Segoe UI"), QStringLiteral("Arial"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica")};

}  // namespace

void ApplyApplicationLook(QApplication& application)
{
    QFont font = QApplication::font();
    // The face actually used, not merely asked for: "Sans Serif" resolves to whatever fontconfig picks.
    if (kFittingFaces.contains(QFontInfo(font).family()))
        return;
    const QStringList installed = QFontDatabase::families();
    for (const QString& face : kFittingFaces) {
        if (installed.contains(face)) {
            font.setFamilies({face});
            application.setFont(font);
            return;
        }
    }
}

}  // namespace zorvanta
