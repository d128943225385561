// Tintwell - the default printer, its code loaded on the first print.
#include "platform/services/LazyPrinterService.h"
#include "platform/services/PrinterModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

LazyPrinterService::LazyPrinterService(const ScreenMetrics &screen, QStringList folders)
    : screen_(screen), folders_(std::move(folders))
{
}

// The printer goes before the library that holds its code.
LazyPrinterService::~LazyPrinterService()
{
    printer_.reset();
}

QStringList LazyPrinterService::programFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(), program.filePath(QStringLiteral("../lib/tintwell"))};
}

PrinterService *LazyPrinterService::printer()
{
    if (printer_ || !loadFailure_.isEmpty()) {
        return printer_.get();
    }
    // Each place tried, and why it failed there, for the message.
    QStringList tried;
    for (const QString &folder : folders_) {
        library_.setFileName(QDir(folder).filePath(QString::fromLatin1(PrinterModuleName)));
        if (library_.load()) {
            break;
        }
        tried << library_.errorString();
    }
    const auto create =
        reinterpret_cast<CreatePrinterService>(library_.resolve(CreatePrinterServiceSymbol));
    if (!create) {
        tried << library_.errorString();
        tried.removeDuplicates();
        loadFailure_ = tried.join(QStringLiteral("; "));
        return nullptr;
    }
    printer_.reset(create(screen_));
    return printer_.get();
}

OutputResult LazyPrinterService::notLoaded() const
{
    return OutputResult::failure(
        QStringLiteral("the printing support could not be loaded (%1)").arg(loadFailure_));
}

OutputResult LazyPrinterService::checkDefaultPrinter()
{
    PrinterService *real = printer();
    return real ? real->checkDefaultPrinter() : notLoaded();
}

DefaultPrinter LazyPrinterService::defaultPrinter()
{
    PrinterService *real = printer();
    return real ? real->defaultPrinter() : DefaultPrinter{};
}

void LazyPrinterService::setHighQuality()
{
    if (PrinterService *real = printer()) {
        real->setHighQuality();
    }
}

void LazyPrinterService::setColorOutput()
{
    if (PrinterService *real = printer()) {
        real->setColorOutput();
    }
}

double LazyPrinterService::pageWidthTwips()
{
    PrinterService *real = printer();
    return real ? real->pageWidthTwips() : 0;
}

OutputResult LazyPrinterService::drawPicture(const QImage &picture, QPointF topLeftTwips)
{
    PrinterService *real = printer();
    return real ? real->drawPicture(picture, topLeftTwips) : notLoaded();
}

OutputResult LazyPrinterService::endDocument()
{
    PrinterService *real = printer();
    return real ? real->endDocument() : notLoaded();
}
