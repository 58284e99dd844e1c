// SPDX-License-Identifier: MIT
// The least a Qt Widgets program does to show a window as large as the main window: the floor that
// scripts/bench-startup compares the program's start-up with.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Quenby Color Picker"));
    label.setFixedSize(619, 547);
    label.show();
    return app.exec();
}
