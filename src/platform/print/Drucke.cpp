#include "Drucke.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace ortelia {

namespace {

constexpr int kPointSize = 10;

// Lays the text out page by page at the printer's resolution and paints every page.
bool paint(QPrinter &printer, const QString &text)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSize(kPointSize);
    document.setDefaultFont(font);
    document.documentLayout()->setPaintDevice(&printer);
    document.setPageSize(page.size());
    document.setDocumentMargin(0);
    document.setPlainText(text);
    const int pages = std::max(1, document.pageCount());
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer.newPage())
            return false;
        painter.save();
        painter.translate(0, -i * page.height());
        const QRectF visible(0, i * page.height(), page.width(), page.height());
        document.drawContents(&painter, visible);
        painter.restore();
    }
    return painter.end();
}

} // namespace

bool Drucke(const QString &text)
{
    const QString pdf = qEnvironmentVariable("ORTELIA_PRINT_PDF");
    if (!pdf.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return paint(printer, text);
    }
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull())
        return false;
    QPrinter printer(target, QPrinter::HighResolution);
    return paint(printer, text);
}

} // namespace ortelia
