// other_window: another program's window, for the end-to-end tests on Wayland, where xmessage
// (an X client) has no place: a window titled by the first argument, showing the second.
//   other_window TITLE TEXT
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 3) return 2;
    QLabel window(QString::fromLocal8Bit(argv[2]));
    window.setWindowTitle(QString::fromLocal8Bit(argv[1]));
    window.setMargin(20);
    window.show();
    return QApplication::exec();
}
