#include "windows/results/chart_export.h"

#include <QFileInfo>
#include <QString>
#include <exception>

#include "components/chart_view.h"
#include "components/jpeg_export.h"
#include "components/ui_seam.h"

namespace {

// The folder of the last export: the dialog opens there again, with an empty file name.
QString& lastFolder() {
    static QString folder;
    return folder;
}

}  // namespace

void exportChartJpeg(QWidget* parent, ChartView* chart) {
    if (chart == nullptr) return;
    const QString name = ui().saveFileName(parent, QStringLiteral("Exportar para JPG"), lastFolder(),
                                           QStringLiteral("Imagem JPEG|*.jpg"), QStringLiteral("jpg"));
    if (name.isEmpty()) return;
    lastFolder() = QFileInfo(name).absolutePath();
    try {
        ConverterBmpParaJPeg(chart->toImage(), name);
    } catch (const std::exception& e) {
        showException(parent, e);
    }
}
