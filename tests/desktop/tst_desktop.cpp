#include "DesktopIcons.h"
#include "MouseConfinement.h"
#include "TestSupport.h"
#include "WindowOrder.h"
#include "WindowShape.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QWidget>

#include <vector>

using namespace ortelia;
using namespace ortelia::test;

namespace {

constexpr QRgb kWhite = 0xFFFFFF;

QImage filled(int w, int h, QRgb colour = 0x336699)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The region pixel by pixel: every pixel whose colour is not the key.
QRegion pixelRegion(const QImage &image, QRgb key)
{
    QRegion region;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != (key & 0xFFFFFF))
                region += QRect(x, y, 1, 1);
        }
    }
    return region;
}

// White pixels that cannot be reached from the border through white pixels: holes in a window.
int enclosedWhitePixels(const QImage &image)
{
    const int w = image.width(), h = image.height();
    std::vector<char> seen(size_t(w) * h, 0);
    std::vector<QPoint> todo;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || seen[size_t(y) * w + x])
            return;
        if ((image.pixel(x, y) & 0xFFFFFF) != kWhite)
            return;
        seen[size_t(y) * w + x] = 1;
        todo.emplace_back(x, y);
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    int enclosed = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            enclosed += !seen[size_t(y) * w + x] && (image.pixel(x, y) & 0xFFFFFF) == kWhite;
    }
    return enclosed;
}

QString artFile(const QString &name)
{
    return assembledProgramFolder() + QStringLiteral("/art/") + name;
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void regionOmitsAWhiteRunInTheFirstRow()
    {
        QImage image = filled(40, 5);
        for (int x = 10; x <= 19; ++x)
            image.setPixel(x, 0, kWhite);
        const QRegion region = RegionFromBitmap(image, kWhite);
        QCOMPARE(region, QRegion(0, 0, 40, 5).subtracted(QRegion(10, 0, 10, 1)));
        QVERIFY(region.contains(QPoint(9, 0)));
        QVERIFY(!region.contains(QPoint(10, 0)));
        QVERIFY(!region.contains(QPoint(19, 0)));
        QVERIFY(region.contains(QPoint(20, 0)));
        QVERIFY(region.contains(QPoint(10, 1)));
    }

    void regionWithoutWhiteIsTheFullRectangle()
    {
        const QImage image = filled(23, 17, 0xFEFFFF); // almost white is not white
        const QRegion region = RegionFromBitmap(image, kWhite);
        QCOMPARE(region.rectCount(), 1);
        QCOMPARE(*region.begin(), QRect(0, 0, 23, 17));
    }

    void regionEdgeCases()
    {
        QCOMPARE(RegionFromBitmap(filled(8, 3, kWhite), kWhite), QRegion());
        QCOMPARE(RegionFromBitmap(QImage(), kWhite), QRegion());

        // Runs touching the left and the right edge, two runs in one row.
        QImage image = filled(12, 2);
        for (int x : {0, 1, 5, 10, 11})
            image.setPixel(x, 1, kWhite);
        QRegion expected(0, 0, 12, 2);
        expected -= QRegion(0, 1, 2, 1);
        expected -= QRegion(5, 1, 1, 1);
        expected -= QRegion(10, 1, 2, 1);
        QCOMPARE(RegionFromBitmap(image, kWhite), expected);

        // Another key colour; alpha plays no part.
        QImage argb(4, 1, QImage::Format_ARGB32);
        argb.fill(0xFF000000);
        argb.setPixel(3, 0, 0x00FF00FF);
        QCOMPARE(RegionFromBitmap(argb, 0xFFFF00FF), QRegion(0, 0, 3, 1));
    }

    void regionMatchesEveryPixel()
    {
        QRandomGenerator random(20260304);
        const QRgb palette[] = {kWhite, kWhite, 0x000000, 0xFFFFFE, 0x80C0FF};
        QImage image = filled(61, 29);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, palette[random.bounded(5)]);
        }
        QCOMPARE(RegionFromBitmap(image, kWhite), pixelRegion(image, kWhite));
    }

    void backgroundIsWhiteOutsideAndWholeInside()
    {
        const QString background = artFile(QStringLiteral("hintergrund.svg"));
        const QImage natural = RenderPicture(background);
        QVERIFY(!natural.isNull());
        for (const QSize size : {natural.size(), natural.size() * 3 / 2, QSize(557, 340)}) {
            const QImage image = RenderPicture(background, size);
            QCOMPARE(image.size(), size);
            const int w = size.width(), h = size.height();
            for (const QPoint corner :
                 {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
                QCOMPARE(image.pixel(corner) & 0xFFFFFF, kWhite);
            QVERIFY((image.pixel(w / 2, h / 2) & 0xFFFFFF) != kWhite);
            QCOMPARE(enclosedWhitePixels(image), 0);
            const QRegion shape = RegionFromBitmap(image, kWhite);
            QVERIFY(shape.contains(QPoint(w / 2, h / 2)));
            QVERIFY(!shape.contains(QPoint(0, 0)));
            // Most of the picture is window.
            qint64 area = 0;
            for (const QRect &r : shape)
                area += qint64(r.width()) * r.height();
            QVERIFY2(area > qint64(w) * h * 8 / 10, qPrintable(QString::number(area)));
        }
    }

    void everyPictureRenders()
    {
        const QStringList pictures = QDir(assembledProgramFolder() + QStringLiteral("/art"))
                                         .entryList({QStringLiteral("*.svg")}, QDir::Files);
        for (const char *name : {"hintergrund.svg", "flag-de.svg", "flag-de-en.svg", "flag-de-fr.svg",
                                 "flag-de-gr.svg", "flag-de-it.svg", "flag-de-sp.svg", "vorlesen.svg",
                                 "pause.svg", "weiter.svg", "stop.svg", "maus.svg", "maus-frei.svg"})
            QVERIFY2(pictures.contains(QLatin1String(name)), name);
        for (const QString &name : pictures) {
            const QImage image = RenderPicture(artFile(name), QSize(48, 32));
            QVERIFY2(!image.isNull(), qPrintable(name));
            QSet<QRgb> colours;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    colours.insert(image.pixel(x, y));
            }
            QVERIFY2(colours.size() > 2, qPrintable(name));
        }
    }

    // The description links the artwork by relative names; a renamed picture would leave a gap.
    void descriptionShowsExistingPictures()
    {
        const QString helpFolder = assembledProgramFolder() + QStringLiteral("/hilfe-t");
        QFile page(helpFolder + QStringLiteral("/bild+text.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        static const QRegularExpression image(QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
        int pictures = 0;
        for (const QRegularExpressionMatch &m : image.globalMatch(html)) {
            QVERIFY2(QFileInfo::exists(helpFolder + QLatin1Char('/') + m.captured(1)),
                     qPrintable(m.captured(1)));
            ++pictures;
        }
        QVERIFY(pictures >= 12);
        for (int key = 1; key <= 12; ++key)
            QVERIFY(html.contains(QStringLiteral("<kbd>F%1</kbd>").arg(key)));
        QCOMPARE(QFileInfo(helpFolder + QStringLiteral("/notizen.txt")).size(), 0);
    }

    void missingOrBrokenPictureGivesNoImage()
    {
        TempProgramFolder folder;
        QVERIFY(RenderPicture(folder.file(QStringLiteral("art/gibt-es-nicht.svg"))).isNull());
        folder.writeBytes(QStringLiteral("art/kaputt.svg"), "<svg xmlns=\"http://www.w3.org/2000/svg\"");
        QVERIFY(RenderPicture(folder.file(QStringLiteral("art/kaputt.svg")), QSize(10, 10)).isNull());
    }

    void topMostKeepsThePlace()
    {
        QWidget window;
        window.setGeometry(120, 80, 200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect place = window.geometry();

        SetTopMost(&window, ZOrder::Topmost);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());
        QCOMPARE(window.geometry(), place);

        SetTopMost(&window, ZOrder::Top);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        SetTopMost(&window, ZOrder::NotTopmost);
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());
        QCOMPARE(window.geometry(), place);
        QVERIFY(!window.testAttribute(Qt::WA_ShowWithoutActivating));

        QWidget hidden;
        SetTopMost(&hidden, ZOrder::Top);
        QVERIFY(hidden.isVisible());
        SetTopMost(nullptr, ZOrder::Topmost);
    }

    // Offscreen there is no X server: nothing is found, nothing is grabbed, nothing breaks.
    void desktopAndMouseWithoutX11()
    {
        QWidget window;
        QWidget area(&window);
        area.setGeometry(10, 10, 50, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!HideDesktop());
        QVERIFY(!ShowDesktop());
        QVERIFY(!ConfineMouse(&area));
        QVERIFY(!ConfineMouse(nullptr));
        ReleaseMouse();
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
