#pragma once
// Chart images as JPEG files, encoded with libjpeg. A file is written beside its target and
// renamed over it only once complete: a failure leaves whatever stood under the name as it
// was and is reported with a message in Portuguese (JpegError).

#include <QImage>
#include <QString>
#include <stdexcept>

class JpegError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Encodes an image (its alpha, if any, over white) as a JPEG file at the given quality,
// 1 to 100, and writes it under `path`, replacing any file there.
void writeJpeg(const QImage& image, const QString& path, int quality = 100);

// Converts a bitmap file to a JPEG file of quality 100. ArquivoSaida may name the bitmap
// itself, which the JPEG then replaces; a failure leaves both files as they were.
void ConverterBmpParaJPeg(const QString& ArquivoEntrada, const QString& ArquivoSaida);
// The same for a bitmap in memory, the chart as drawn: no bitmap file is written.
void ConverterBmpParaJPeg(const QImage& bitmap, const QString& ArquivoSaida);

// Decodes a JPEG file (RGB888 or Grayscale8 image); throws JpegError when it is not one.
QImage readJpeg(const QString& path);
