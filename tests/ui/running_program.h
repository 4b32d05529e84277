#pragma once

// The program on the real window, its settings in a scratch folder: started, its loop run with
// the test's actions inside it, then ended by the close box.

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "core/app/dispatch.h"
#include "core/app/startup.h"
#include "core/desktop/ids.h"
#include "ui/qt_desktop.h"

namespace hashwell::ui {

class RunningProgram : public QObject {
protected:
    // Starts the program and runs its loop with `act` inside it; the close box then ends the
    // loop (the loop hides the window, not Qt), also when a check in `act` failed.
    void RunProgram(const std::function<void()>& act,
                    const std::vector<std::u16string>& parameters = {}) {
        const settings::SettingsEnvironment environment{
            QDir(folder_.path()).filePath(QStringLiteral("hashwell")).toStdU16String(),
            [](std::u16string_view) { return std::nullopt; }};
        QVERIFY(core::StartUp(*desktop_, state_, environment, parameters));
        bool shownAfterClose = false;
        QTimer::singleShot(0, [&] {
            act();
            desktop_->MainWindow()->close();
            shownAfterClose = desktop_->MainWindow()->isVisible();
        });
        core::RunEventLoop(*desktop_, state_);
        core::ShutDown(*desktop_, state_);
        QVERIFY(state_.quitRequested && shownAfterClose);
        QVERIFY(!desktop_->MainWindow()->isVisible());
    }
    // A fresh program whose message boxes are answered OK at once.
    void NewProgram() {
        desktop_ = std::make_unique<QtDesktop>();
        desktop_->SetMessageBoxAnswerer(
            [](const core::MessageBoxRequest&) { return core::MessageAnswer::Ok; });
        state_ = {};
    }
    // Writes `bytes` to `name` in the scratch folder; its path.
    QString Write(const QString& name, const QByteArray& bytes = {}) {
        const QString path = QDir(folder_.path()).filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    QTemporaryDir folder_;
    std::unique_ptr<QtDesktop> desktop_;
    core::AppState state_;
};

}  // namespace hashwell::ui
