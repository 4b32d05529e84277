// Another program's window that takes a dropped text and says what it got: the other end of
// the drag tests, in a process of its own so that the drag crosses programs as on a desktop.
//   drop_target X Y   shows a 240 x 240 window there, prints "ready", and after a drop
//                     "action <Qt::DropAction>" and "text <the text>", then ends.

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>
#include <cstdio>

namespace {

class DropTarget final : public QWidget {
protected:
    void dragEnterEvent(QDragEnterEvent* event) override { event->acceptProposedAction(); }
    void dragMoveEvent(QDragMoveEvent* event) override { event->acceptProposedAction(); }
    void dropEvent(QDropEvent* event) override {
        event->acceptProposedAction();
        // The text is fetched from the other program here, as any drop target does.
        const QByteArray text = event->mimeData()->text().toUtf8();
        std::printf("action %d\ntext %s\n", static_cast<int>(event->dropAction()),
                    text.constData());
        std::fflush(stdout);
        QApplication::quit();
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 3) {
        return 2;
    }
    DropTarget target;
    target.setAcceptDrops(true);
    target.setGeometry(QString::fromUtf8(argv[1]).toInt(), QString::fromUtf8(argv[2]).toInt(), 240,
                       240);
    target.show();
    std::printf("ready\n");
    std::fflush(stdout);
    return application.exec();
}
