#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream(stderr) << "vazconfig: the core is built; the main window is not there yet.\n";
    return 0;
}
