#include "components/jpeg_export.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <algorithm>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>

#include <jpeglib.h>

#include "common/textfile.h"
#include "components/app_locale.h"

namespace {

// libjpeg reports an error by calling error_exit, which by default ends the process; this one
// returns to the function that armed `jump`, with the library's message.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings (a corrupt but readable file) are not written to the terminal.
void ignoreMessage(j_common_ptr) {}

void installErrors(ErrorManager* manager) {
    jpeg_std_error(&manager->pub);
    manager->pub.error_exit = onError;
    manager->pub.output_message = ignoreMessage;
    manager->message[0] = '\0';
}

[[noreturn]] void fail(const QString& message) {
    throw JpegError(message.toUtf8().toStdString());
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The functions that arm setjmp hold only C objects and are handed the libjpeg structures
// from their caller, so that the jump back skips no destructor and finds them intact.

bool compressRows(jpeg_compress_struct* cinfo, ErrorManager* errors, const QImage* rgb, int quality,
                  unsigned char** out, unsigned long* outSize) {
    if (setjmp(errors->jump)) return false;
    jpeg_create_compress(cinfo);
    jpeg_mem_dest(cinfo, out, outSize);
    cinfo->image_width = static_cast<JDIMENSION>(rgb->width());
    cinfo->image_height = static_cast<JDIMENSION>(rgb->height());
    cinfo->input_components = 3;
    cinfo->in_color_space = JCS_RGB;
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, quality, TRUE);
    // No chroma subsampling: the thin coloured lines of a chart keep their colour.
    for (int c = 0; c < cinfo->num_components; ++c) {
        cinfo->comp_info[c].h_samp_factor = 1;
        cinfo->comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(cinfo, TRUE);
    while (cinfo->next_scanline < cinfo->image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb->constScanLine(static_cast<int>(cinfo->next_scanline)));
        jpeg_write_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_compress(cinfo);
    return true;
}

QByteArray encode(const QImage& rgb, int quality) {
    jpeg_compress_struct cinfo{};
    ErrorManager errors;
    installErrors(&errors);
    cinfo.err = &errors.pub;
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    const bool ok = compressRows(&cinfo, &errors, &rgb, quality, &out, &outSize);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes;
    if (ok) bytes = QByteArray(reinterpret_cast<const char*>(out), static_cast<qsizetype>(outSize));
    std::free(out);
    if (!ok)
        fail(QStringLiteral("Não foi possível codificar a imagem JPEG: %1.")
                 .arg(QString::fromLocal8Bit(errors.message)));
    return bytes;
}

// RGB, 8 bits a channel; a transparent part shows the white it would be shown on.
QImage opaqueRgb(const QImage& image) {
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB888);
    QImage canvas(image.size(), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.drawImage(0, 0, image);
    painter.end();
    return canvas.convertToFormat(QImage::Format_RGB888);
}

// Written as every file of the program is (beside the target, then renamed over it); its
// error comes back as the image's.
void replaceFile(const QString& path, const QByteArray& bytes) {
    try {
        writeFileBytes(toUtf8(path),
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const FileError& e) {
        fail(QString::fromUtf8(e.what()));
    }
}

bool startDecompress(jpeg_decompress_struct* cinfo, ErrorManager* errors, const QByteArray* data) {
    if (setjmp(errors->jump)) return false;
    jpeg_create_decompress(cinfo);
    jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(data->constData()),
                 static_cast<unsigned long>(data->size()));
    jpeg_read_header(cinfo, TRUE);
    cinfo->out_color_space = cinfo->num_components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(cinfo);
    return true;
}

bool readRows(jpeg_decompress_struct* cinfo, ErrorManager* errors, QImage* image) {
    if (setjmp(errors->jump)) return false;
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(cinfo->output_scanline));
        jpeg_read_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_decompress(cinfo);
    return true;
}

}  // namespace

void writeJpeg(const QImage& image, const QString& path, int quality) {
    if (path.isEmpty()) fail(QStringLiteral("Nenhum nome de arquivo foi dado para a imagem."));
    if (image.isNull()) fail(QStringLiteral("Não há imagem para gravar em \"%1\".").arg(shown(path)));
    replaceFile(path, encode(opaqueRgb(image), std::clamp(quality, 1, 100)));
}

void ConverterBmpParaJPeg(const QString& ArquivoEntrada, const QString& ArquivoSaida) {
    QImage bitmap;
    if (!bitmap.load(ArquivoEntrada, "BMP")) {
        fail(QStringLiteral("Não foi possível ler o bitmap \"%1\".").arg(shown(ArquivoEntrada)));
    }
    writeJpeg(bitmap, ArquivoSaida, 100);
}

void ConverterBmpParaJPeg(const QImage& bitmap, const QString& ArquivoSaida) {
    writeJpeg(bitmap, ArquivoSaida, 100);
}

QImage readJpeg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Não foi possível abrir \"%1\".").arg(shown(path)));
    const QByteArray data = file.readAll();
    const QString notJpeg = QStringLiteral("\"%1\" não é uma imagem JPEG válida").arg(shown(path));

    jpeg_decompress_struct cinfo{};
    ErrorManager errors;
    installErrors(&errors);
    cinfo.err = &errors.pub;
    QImage image;
    bool ok = startDecompress(&cinfo, &errors, &data);
    if (ok) {
        const auto format = cinfo.output_components == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888;
        image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), format);
        ok = !image.isNull() && readRows(&cinfo, &errors, &image);
    }
    jpeg_destroy_decompress(&cinfo);
    if (!ok) {
        const QString reason = QString::fromLocal8Bit(errors.message);
        fail(reason.isEmpty() ? notJpeg + QLatin1Char('.') : QStringLiteral("%1: %2.").arg(notJpeg, reason));
    }
    return image;
}
