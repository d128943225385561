// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell benchmarks - the floor for printing: a bare Qt program that prints
// the same picture on the default printer, as Qt does it by itself. Prints
// the median time of a job from the painter's start until CUPS has accepted
// it, the first job left out: "floor_ms=N".
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextStream>
#include <algorithm>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5;
    QImage picture(649, 836, QImage::Format_RGB32); // the largest swatch at 96 dpi
    picture.fill(QColor(0, 128, 128));
    QPainter(&picture).drawText(0, 20, QStringLiteral("RED: 0"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    std::vector<double> times;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        timer.start();
        QPainter painter;
        if (!painter.begin(&printer)) {
            return 1;
        }
        painter.setRenderHint(QPainter::LosslessImageRendering);
        painter.drawImage(QRectF(1000, 1000, picture.width() * 12.5, picture.height() * 12.5),
                          picture);
        painter.end(); // Qt hands the job to CUPS here
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin() + 1, times.end());
    QTextStream(stdout) << "floor_ms=" << times[1 + (times.size() - 1) / 2] << "\n";
    return 0;
}
