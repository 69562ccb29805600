#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Ko-Vaq");
    QWidget window;
    window.setObjectName("TForm1");
    window.setWindowTitle("Untitled");
    window.show();
    return QApplication::exec();
}
