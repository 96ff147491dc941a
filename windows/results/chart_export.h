#pragma once
// "Exportar para JPG" of the chart windows: asks for a file name ("Imagem JPEG|*.jpg") and
// writes the chart, drawn at its current size, there as a JPEG image of quality 100.

class ChartView;
class QWidget;

// Cancelling writes nothing; a file that cannot be written is reported in a message box and
// leaves whatever stood under the name as it was.
void exportChartJpeg(QWidget* parent, ChartView* chart);
