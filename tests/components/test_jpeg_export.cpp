// Charts exported as JPEG files: what is written decodes to the chart at its size, at quality
// 100, and an export that fails says so and leaves the folder as it was.

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

#include "common/locale_settings.h"
#include "components/app_locale.h"
#include "components/chart_view.h"
#include "components/jpeg_export.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Every entry under a folder, with a digest of each file's contents.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QByteArray digest = it.fileInfo().isDir()
                                      ? QByteArray("folder")
                                      : QCryptographicHash::hash(readAll(path), QCryptographicHash::Sha256);
        entries.insert(QDir(folder).relativeFilePath(path), digest);
    }
    return entries;
}

bool nearColour(QRgb pixel, const QColor& expected, int tolerance) {
    return std::abs(qRed(pixel) - expected.red()) <= tolerance &&
           std::abs(qGreen(pixel) - expected.green()) <= tolerance &&
           std::abs(qBlue(pixel) - expected.blue()) <= tolerance;
}

// The encoder's settings as the file records them.
struct JpegSettings {
    bool allQuantIs1 = false;  // what quality 100 gives
    bool fullChroma = false;   // no chroma subsampling
};

JpegSettings readSettings(const QByteArray& data) {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    JpegSettings settings{true, true};
    for (int t = 0; t < NUM_QUANT_TBLS; ++t) {
        if (cinfo.quant_tbl_ptrs[t] == nullptr) continue;
        for (int k = 0; k < DCTSIZE2; ++k) settings.allQuantIs1 &= cinfo.quant_tbl_ptrs[t]->quantval[k] == 1;
    }
    for (int c = 0; c < cinfo.num_components; ++c) {
        settings.fullChroma &= cinfo.comp_info[c].h_samp_factor == 1 && cinfo.comp_info[c].v_samp_factor == 1;
    }
    jpeg_destroy_decompress(&cinfo);
    return settings;
}

enum class Failure { MissingFolder, OntoFolder, TooWide, NoImage, BitmapMissing, NotABitmap, NoName };

}  // namespace

class TestJpegExport : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void exportedChartDecodes_data();
    void exportedChartDecodes();
    void bitmapFileReplacedByJpeg();
    void imageFormats_data();
    void imageFormats();
    void failedExportLeavesFilesAlone_data();
    void failedExportLeavesFilesAlone();
    void readRejectsWhatIsNotJpeg_data();
    void readRejectsWhatIsNotJpeg();

  private:
    std::unique_ptr<QTemporaryDir> dir;
    QString file(const QString& name) const { return dir->filePath(name); }
};

void TestJpegExport::init() {
    setAppLocale(LocaleSettings::ptBR());
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestJpegExport::exportedChartDecodes_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("replacing");  // a file already stands under the name
    QTest::newRow("640 x 480, new file") << QSize(640, 480) << false;
    QTest::newRow("odd size, replacing a file") << QSize(517, 333) << true;
}

void TestJpegExport::exportedChartDecodes() {
    QFETCH(QSize, size);
    QFETCH(bool, replacing);
    ChartView view;
    view.resize(size);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.bottomAxis().setRange(0, 4000);
    view.leftAxis().setRange(0, 50);
    ChartSeries* s = view.addLineSeries(QStringLiteral("Potencial"));
    s->setLineWidth(2);
    for (int i = 0; i <= 4; ++i) s->addPoint(i * 1000, 10.0 * i);
    const int ideal = s->addPoint(2000, 20, Qt::black);

    const QString path = file(QStringLiteral("grafico.jpg"));
    if (replacing) writeAll(path, QByteArray("an earlier file, longer than nothing"));
    ConverterBmpParaJPeg(view.toImage(), path);

    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.startsWith("\xFF\xD8\xFF"));
    const JpegSettings settings = readSettings(bytes);
    QVERIFY2(settings.allQuantIs1, "not encoded at quality 100");
    QVERIFY(settings.fullChroma);
    const QImage decoded = readJpeg(path);
    QCOMPARE(decoded.size(), view.size());
    // The black marker of the ideal volume survives the encoding.
    const QPoint at = view.pointPosition(s, ideal)->toPoint();
    QVERIFY(nearColour(decoded.pixel(at), Qt::black, 40));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("grafico.jpg")});
}

void TestJpegExport::bitmapFileReplacedByJpeg() {
    // A bitmap saved under the chosen name is replaced by its JPEG under the same name.
    QImage bitmap(120, 80, QImage::Format_RGB32);
    bitmap.fill(QColor(0, 90, 200));
    const QString path = file(QStringLiteral("grafico.jpg"));
    QVERIFY(bitmap.save(path, "BMP"));
    QVERIFY(readAll(path).startsWith("BM"));

    ConverterBmpParaJPeg(path, path);
    QVERIFY(readAll(path).startsWith("\xFF\xD8\xFF"));
    const QImage decoded = readJpeg(path);
    QCOMPARE(decoded.size(), QSize(120, 80));
    QVERIFY(nearColour(decoded.pixel(60, 40), QColor(0, 90, 200), 3));

    // Into another name, the bitmap stays.
    const QString bmp = file(QStringLiteral("grafico.bmp"));
    QVERIFY(bitmap.save(bmp, "BMP"));
    ConverterBmpParaJPeg(bmp, file(QStringLiteral("outro.jpg")));
    QCOMPARE(readJpeg(file(QStringLiteral("outro.jpg"))).size(), QSize(120, 80));
    QVERIFY(readAll(bmp).startsWith("BM"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 3);
}

void TestJpegExport::imageFormats_data() {
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QColor>("expected");
    QImage rgb(40, 30, QImage::Format_RGB32);
    rgb.fill(QColor(200, 30, 30));
    QImage transparent(40, 30, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    QImage grey(40, 30, QImage::Format_Grayscale8);
    grey.fill(QColor(128, 128, 128));
    QImage single(1, 1, QImage::Format_RGB32);
    single.fill(QColor(0, 160, 0));
    QTest::newRow("opaque colour") << rgb << QColor(200, 30, 30);
    QTest::newRow("transparent shows white") << transparent << QColor(Qt::white);
    QTest::newRow("grey levels") << grey << QColor(128, 128, 128);
    QTest::newRow("one pixel") << single << QColor(0, 160, 0);
}

void TestJpegExport::imageFormats() {
    QFETCH(QImage, image);
    QFETCH(QColor, expected);
    const QString path = file(QStringLiteral("imagem.jpg"));
    writeJpeg(image, path);
    const QImage decoded = readJpeg(path);
    QCOMPARE(decoded.size(), image.size());
    const QRgb centre = decoded.pixel(image.width() / 2, image.height() / 2);
    QVERIFY2(nearColour(centre, expected, 3), qPrintable(QColor(centre).name()));
}

void TestJpegExport::failedExportLeavesFilesAlone_data() {
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("message");  // part of the message
    QTest::newRow("into a missing folder") << Failure::MissingFolder << QStringLiteral("não existe");
    QTest::newRow("onto a folder") << Failure::OntoFolder << QStringLiteral("é uma pasta");
    QTest::newRow("too wide for JPEG, onto a file")
        << Failure::TooWide << QStringLiteral("codificar a imagem JPEG");
    QTest::newRow("no image, onto a file") << Failure::NoImage << QStringLiteral("Não há imagem");
    QTest::newRow("bitmap file missing") << Failure::BitmapMissing << QStringLiteral("ler o bitmap");
    QTest::newRow("bitmap file that is not one") << Failure::NotABitmap << QStringLiteral("ler o bitmap");
    QTest::newRow("no file name") << Failure::NoName << QStringLiteral("Nenhum nome de arquivo");
}

void TestJpegExport::failedExportLeavesFilesAlone() {
    QFETCH(Failure, failure);
    QFETCH(QString, message);
    QImage chart(64, 48, QImage::Format_RGB32);
    chart.fill(Qt::white);
    const QString existing = file(QStringLiteral("grafico.jpg"));
    writeAll(existing, QByteArray("the user's earlier file"));
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("pasta.jpg")));
    writeAll(file(QStringLiteral("pasta.jpg/dentro.txt")), QByteArray("inside"));
    const QMap<QString, QByteArray> before = snapshot(dir->path());

    QString error;
    try {
        switch (failure) {
            case Failure::MissingFolder:
                ConverterBmpParaJPeg(chart, file(QStringLiteral("nenhuma/grafico.jpg")));
                break;
            case Failure::OntoFolder:
                ConverterBmpParaJPeg(chart, file(QStringLiteral("pasta.jpg")));
                break;
            case Failure::TooWide:  // libjpeg refuses it: its error comes back as ours
                ConverterBmpParaJPeg(QImage(65536, 1, QImage::Format_RGB32), existing);
                break;
            case Failure::NoImage:
                ConverterBmpParaJPeg(QImage(), existing);
                break;
            case Failure::BitmapMissing:
                ConverterBmpParaJPeg(file(QStringLiteral("nenhum.bmp")), existing);
                break;
            case Failure::NotABitmap:
                ConverterBmpParaJPeg(existing, existing);
                break;
            case Failure::NoName:
                ConverterBmpParaJPeg(chart, QString());
                break;
        }
    } catch (const JpegError& e) {
        error = QString::fromUtf8(e.what());
    }
    QVERIFY2(!error.isEmpty(), "the failure was not reported");
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(snapshot(dir->path()), before);  // nothing replaced, nothing left behind
}

void TestJpegExport::readRejectsWhatIsNotJpeg_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    QTest::newRow("text") << QByteArray("Volume (litros);Potencial\r\n") << true;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("JPEG start only") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10) << true;
    QTest::newRow("missing file") << QByteArray() << false;
}

void TestJpegExport::readRejectsWhatIsNotJpeg() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    const QString path = file(QStringLiteral("x.jpg"));
    if (exists) writeAll(path, bytes);
    QVERIFY_THROWS_EXCEPTION(JpegError, readJpeg(path));
}

QTEST_MAIN(TestJpegExport)
#include "test_jpeg_export.moc"
