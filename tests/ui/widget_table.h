#pragma once

// Reading the expected controls of a window from a table in tests/data, and a widget's text.

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>

namespace hashwell::ui {

// The rows of a tab-separated file in tests/data; lines starting with "#" are comments.
inline QList<QStringList> ReadTable(const QString& name) {
    QFile file(QStringLiteral(HASHWELL_TEST_DATA_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qFatal("cannot read %s", qPrintable(name));
    }
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u'#')) {
            rows.append(line.split(u'\t'));
        }
    }
    return rows;
}

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

}  // namespace hashwell::ui
