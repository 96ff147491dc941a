#include "windows/results/form_grafico_vextravasado.h"

#include <QAction>
#include <QFont>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include "components/chart_view.h"
#include "components/number_texts.h"
#include "components/window_controls.h"
#include "windows/results/chart_export.h"

TformGraficoVextravasado* formGraficoVextravasado = nullptr;

TformGraficoVextravasado::TformGraficoVextravasado(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formGraficoVextravasado"));
    setWindowTitle(QStringLiteral("Volume extravasado"));
    resize(800, 520);

    ChartVextravasado = new ChartView(this);
    ChartVextravasado->setObjectName(QStringLiteral("ChartVextravasado"));
    ChartVextravasado->bottomAxis().setTitle(QStringLiteral("Volume do reservatório inferior (litros)"));
    ChartVextravasado->setLegendVisible(false);
    ChartVextravasado->setTitleVisible(false);
    // The chart is named after what the window shows, which each caller sets as the caption,
    // drawn against the lower reservoir's volume.
    const auto nameChart = [this](const QString& title) {
        ChartVextravasado->setAccessibleName(
            QStringLiteral("Gráfico: %1 por volume do reservatório inferior").arg(title));
    };
    nameChart(windowTitle());
    connect(this, &QWidget::windowTitleChanged, ChartVextravasado, nameChart);
    connect(ChartVextravasado, &ChartView::mouseMoved, this,
            &TformGraficoVextravasado::ChartVextravasadoMouseMove);

    Label1 = makeLabel(this, "Label1", QString(), nullptr, LabelKind::Bold);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    ExportarparaJPG1 = PopupMenu1->addAction(QStringLiteral("Exportar para JPG"));
    ExportarparaJPG1->setObjectName(QStringLiteral("ExportarparaJPG1"));
    connect(ExportarparaJPG1, &QAction::triggered, this, &TformGraficoVextravasado::ExportarparaJPG1Click);
    ChartVextravasado->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ChartVextravasado, &QWidget::customContextMenuRequested, this,
            [this](QPoint pos) { PopupMenu1->popup(ChartVextravasado->mapToGlobal(pos)); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ChartVextravasado, 1);
    layout->addWidget(Label1);
}

void TformGraficoVextravasado::AddLineSeries(ChartSeries* serie) {
    if (serie == nullptr) return;
    serie->setMarkerStyle(MarkerStyle::Circle);
    serie->setMarkersVisible(true);
    serie->setLineWidth(2);
    listSeries.append(serie);
    ChartVextravasado->addSeries(serie);
}

void TformGraficoVextravasado::RemoveLineSeries() {
    listSeries.clear();
    ChartVextravasado->removeAllSeries();
    ChartVextravasado->leftAxis().setAutomatic();
    Label1->clear();
}

void TformGraficoVextravasado::LeftAxisTitle(const QString& text) {
    ChartVextravasado->leftAxis().setTitle(text);
}

void TformGraficoVextravasado::TextoAdicionalUnid(const QString& text) {
    sTextoAdicionalUnid = text;
}

void TformGraficoVextravasado::ChartVextravasadoMouseMove(QPoint pos) {
    for (const QPointer<ChartSeries>& series : listSeries) {
        if (!series) continue;
        const int index = ChartVextravasado->hitTest(series, pos);
        if (index < 0) continue;
        const ChartPoint& p = series->point(index);
        Label1->setText(QStringLiteral("Volume do reservatório inferior: ") + generalText(p.x) +
                        QStringLiteral(" litros. ") + series->title() + QStringLiteral(": ") +
                        savingsText(p.y) + QStringLiteral(" ") + sTextoAdicionalUnid);
        return;
    }
    Label1->clear();
}

void TformGraficoVextravasado::ExportarparaJPG1Click() {
    exportChartJpeg(this, ChartVextravasado);
}

// The next use starts empty, with automatic axes.
void TformGraficoVextravasado::FormClose() {
    RemoveLineSeries();
}

void TformGraficoVextravasado::done(int result) {
    FormClose();
    QDialog::done(result);
}
