#pragma once

// The real widgets of a window against its table, and a widget's text.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>
#include <map>

#include "core/windows/control_spec.h"
#include "support/table_file.h"
#include "ui/qt_desktop.h"

namespace hashwell::ui {

// What a button, a frame or a label says.
inline QString TextOf(QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        return frame->title();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    return {};
}

// Each control of the window's table as a widget: its name, id, page, place, tool tip, the
// font of a button and, unless the program fills it, its text; and those of its controls that
// tests/data/ui/described_controls.tsv gives as the description has them.
inline void CheckWidgetsAgainstTable(const QtDesktop& desktop, const core::WindowSpec& spec) {
    const WindowWidgets* window = desktop.Registry().Find(spec.window);
    QVERIFY(window != nullptr);
    std::map<QString, QStringList> described;
    for (const std::vector<std::string>& row : test::ReadTable("ui/described_controls.tsv")) {
        QStringList& fields = described[QString::fromStdString(row[0])];
        for (const std::string& field : row) {
            fields << QString::fromStdString(field);
        }
    }
    for (const core::ControlSpec& row : spec.controls) {
        QWidget* control = desktop.Control(row.control);
        QVERIFY2(control != nullptr, row.name);
        QCOMPARE(control->objectName(), QString::fromUtf8(row.name));
        QCOMPARE(control->property("hashwellId").toInt(), row.control.Id());
        const QWidget* page = row.place == core::Place::Window
                                  ? window->client
                                  : window->tabs->widget(static_cast<int>(row.place) - 1);
        QCOMPARE(control->parentWidget(), page);
        QCOMPARE(control->geometry(), QRect(row.x, row.y, row.width, row.height));
        if (row.kind != core::ControlKind::Label || row.style == core::TextStyle::Title) {
            QCOMPARE(TextOf(control), QString::fromUtf8(row.text));
        }
        QCOMPARE(control->toolTip(), QString::fromUtf8(row.toolTip ? row.toolTip : ""));
        if (const auto given = described.find(QString::fromUtf8(row.name));
            given != described.end()) {
            const QStringList& field = given->second;
            QVERIFY(field[1] == u"-" ||
                    control->geometry() == QRect(field[1].toInt(), field[2].toInt(),
                                                 field[3].toInt(), field[4].toInt()));
            QVERIFY(field[5] == u"-" || TextOf(control) == field[5]);
            QVERIFY(field[6] == u"-" || control->toolTip() == field[6]);
        }
        if (row.style == core::TextStyle::Button) {
            QCOMPARE(control->font().family(), QStringLiteral("Arial Narrow"));
            QVERIFY(control->font().bold());
        }
    }
}

}  // namespace hashwell::ui
