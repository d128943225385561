// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell benchmarks - the yardstick for start-up: the least a Qt Widgets
// program does to show one window of the main window's size. Given a text,
// the window also shows it in a label: a window with no text never loads a
// font, which any real window does before it shows.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Qt window"));
    window.resize(655, 475);
    if (argc > 1) {
        auto *label = new QLabel(QString::fromLocal8Bit(argv[1]), &window);
        label->move(20, 20);
    }
    window.show();
    return QApplication::exec();
}
