#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrano"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Veltrano"));
    window.resize(1180, 820);
    window.setMinimumSize(820, 480);
    window.show();
    return QApplication::exec();
}
