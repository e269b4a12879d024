#pragma once

// The main window under test, driven through its window like a user, with its error box
// and save dialog replaced by recorders that tests read and answer.

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <optional>
#include <string>

#include "ChartContents.h"
#include "ChartView.h"
#include "MenuGE.h"
#include "QueueModel.h"

namespace zorvanta::apptest {

inline const QStringList kRowLabels{"Vehicles Max", "Vehicles Min", "Vehicles in queue", "Start Time",
                                    "Peak time", "End Time", "Area 1", "Area 2", "Total delay"};
inline const QStringList kEmptyColumn(9, QString());
inline const QStringList kDefaultValues{"4800", "2800", "2000", "1", "3", "13", "2000", "10000", "12000"};
inline const QueueInputs kDefaultInputs{800, 2000, 1000, 2};

// Everything a chart shows, written out so that two charts compare and print as text.
inline std::string Describe(const ChartContents& contents)
{
    std::string text = "title '" + contents.Title + "' colour " + std::to_string(contents.TitleColor)
                       + (contents.LegendVisible ? " legend" : " no legend") + "\n";
    char number[128];
    for (const ChartSeries& series : contents.Series) {
        text += (series.Kind == SeriesKind::Line ? "line '" : "bars '") + series.Title + "' "
                + std::to_string(series.Color) + " width " + std::to_string(series.LineWidth) + ":";
        for (const ChartPoint& point : series.Points) {
            std::snprintf(number, sizeof number, " (%.17g, %.17g)", point.X, point.Y);
            text += number;
        }
        for (const BarRun& run : series.Bars) {
            std::snprintf(number, sizeof number, " [%.17g..%.17g: %.17g]", run.FirstX, run.LastX, run.Height);
            text += number;
        }
        text += "\n";
    }
    return text;
}

class MainWindowHarness {
public:
    enum class SaveDialog { Scripted, Real };

    explicit MainWindowHarness(char decimalSeparator, SaveDialog saveDialog = SaveDialog::Scripted)
        : window(decimalSeparator)
    {
        window.SetErrorReporter([this](const QString& text) { reports << text; });
        if (saveDialog == SaveDialog::Scripted)
            window.SetSaveFileChooser([this](const QString& proposed) -> std::optional<QString> {
                proposals << proposed;
                if (answers.empty())
                    return std::nullopt;
                std::optional<QString> answer = answers.front();
                answers.pop_front();
                return answer;
            });
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename T = QWidget>
    T* Child(const QString& name)
    {
        T* child = window.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }

    QLineEdit* Edit(const QString& name) { return Child<QLineEdit>(name); }
    QTableWidget* Table() { return Child<QTableWidget>("Tabella_TXT"); }
    ChartView* Chart(const QString& name) { return Child<ChartView>(name); }

    QStringList Column(int column)
    {
        QStringList texts;
        for (int row = 0; row < Table()->rowCount(); ++row)
            texts << Table()->item(row, column)->text();
        return texts;
    }

    void SetInputs(const QString& normal, const QString& peak, const QString& capacity, const QString& duration)
    {
        Edit("Portata_normale_TXT")->setText(normal);
        Edit("Portata_eccezionale_TXT")->setText(peak);
        Edit("Capacita_TXT")->setText(capacity);
        Edit("Durata_fenomeno_TXT")->setText(duration);
    }

    // Mouse input goes through the window, so Qt finds the widget under the pointer as it
    // does for a real user (a caption that lets the mouse through is never the target).
    QPoint InWindow(QWidget* widget, std::optional<QPoint> at = std::nullopt)
    {
        return widget->mapTo(&window, at.value_or(widget->rect().center()));
    }
    void ClickAt(QWidget* widget, std::optional<QPoint> at = std::nullopt)
    {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, InWindow(widget, at));
    }
    void DoubleClickAt(QWidget* widget)
    {
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, InWindow(widget));
    }
    void PointAt(QWidget* widget)
    {
        QTest::mouseMove(window.windowHandle(), InWindow(widget));
    }
    void ClickCell(int row, int column)
    {
        QCoreApplication::processEvents();
        QTableWidget* table = Table();
        ClickAt(table->viewport(), table->visualRect(table->model()->index(row, column)).center());
    }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QCoreApplication::processEvents();  // the cell editor commits Enter through a queued call
    }

    // The table's cell editor counts as the table.
    QString FocusName()
    {
        QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && Table()->isAncestorOf(focus))
            return Table()->objectName();
        return focus != nullptr ? focus->objectName() : QString();
    }

    TMenuGEN window;
    QStringList reports;
    QStringList proposals;
    std::deque<std::optional<QString>> answers;
};

}  // namespace zorvanta::apptest
