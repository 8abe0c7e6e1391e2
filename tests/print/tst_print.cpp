// Printing through a PDF file read back with pdftotext.

#include "Drucke.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class PrintTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString printed(const QString &text, int *pages)
    {
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        QFile::remove(pdf);
        qputenv("ORTELIA_PRINT_PDF", pdf.toLocal8Bit());
        if (!ortelia::Drucke(text))
            return QStringLiteral("<nicht gedruckt>");
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        info.waitForFinished();
        const QString about = QString::fromUtf8(info.readAllStandardOutput());
        const qsizetype at = about.indexOf(QLatin1String("Pages:"));
        *pages = at < 0 ? 0 : about.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
        QProcess toText;
        toText.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        toText.waitForFinished();
        return QString::fromUtf8(toText.readAllStandardOutput()).simplified();
    }

private slots:
    // Long lines wrap at word boundaries and a long text goes on over as many pages as it needs.
    void textIsWrappedAndPrintedWhole()
    {
        int pages = 0;
        QCOMPARE(printed(QStringLiteral("Ich habe ein Haus.\r\nÄrger über Straßen."), &pages),
                 QStringLiteral("Ich habe ein Haus. Ärger über Straßen."));
        QCOMPARE(pages, 1);

        QStringList lines;
        for (int i = 1; i <= 300; ++i)
            lines << QStringLiteral("Zeile %1 mit einem Satz, der lang genug ist, um auf dem Blatt umbrochen zu "
                                    "werden, weil er über die ganze Breite der Seite hinaus geht.")
                         .arg(i);
        const QString text = printed(lines.join(QLatin1Char('\n')), &pages);
        QVERIFY(pages > 1);
        QVERIFY(text.startsWith(QLatin1String("Zeile 1 mit")));
        QVERIFY(text.contains(QLatin1String("Zeile 300 mit")));
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
