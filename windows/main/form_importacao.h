#pragma once
// The report of a weather station's daily file before its record is written: the format, the
// station, the period, every gap (listed and marked on the chart of the daily series), the
// gap policy with the days it writes, and where the record goes. The station file is read
// once; the record is built again at each choice of the policy and written only on "OK".
// The precipitation grid of the main window and the scenario precipitation dialog open it
// through importarArquivoEstacao.

#include <QDialog>
#include <QString>
#include <optional>

#include "common/tdate.h"
#include "import/station_import.h"

class QChart;
class QChartView;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class RadioGroup;

// The record written by an import: its full path and the date of its first value.
struct RegistroGravado {
    QString caminho;
    TDate inicio;
};

class TformImportacao : public QDialog {
    Q_OBJECT
  public:
    explicit TformImportacao(QWidget* parent = nullptr);

    QLabel* LabelFormato = nullptr;
    QLabel* LabelEstacao = nullptr;
    QLabel* LabelPeriodo = nullptr;
    QLabel* LabelLacunas = nullptr;
    QListWidget* ListLacunas = nullptr;
    QChartView* GraficoSerie = nullptr;
    RadioGroup* RGLacunas = nullptr;  // recusar, preencher com 0, maior trecho sem lacunas
    QLabel* LabelResultado = nullptr;
    QLabel* LabelArquivo = nullptr;
    QLineEdit* edArquivo = nullptr;
    QPushButton* BTProcurar = nullptr;
    QPushButton* BTOK = nullptr;
    QPushButton* BTCancelar = nullptr;

    // Shows the series read from `source`; the record goes beside it unless the user says
    // otherwise.
    void mostra(const QString& source, SerieEstacao serie);
    // After "OK": the record written.
    const std::optional<RegistroGravado>& gravado() const { return gravado_; }

    void RGLacunasClick(int index);
    void BTProcurarClick();
    void BTOKClick();

  private:
    void buildControls();
    void fillChart();
    void attachAxes(QChart* chart, double maximo);
    PoliticaLacunas politica() const;

    QString source_;
    SerieEstacao serie_;
    std::optional<RegistroImportado> registro_;  // the record the chosen policy makes
    QString recusa_;                             // why the chosen policy writes nothing
    std::optional<RegistroGravado> gravado_;
};

extern TformImportacao* formImportacao;

// Asks for a station file, reads it and shows its report modally; the record written after
// "OK", nothing when the user cancels or the file cannot be read (after its message).
std::optional<RegistroGravado> importarArquivoEstacao(QWidget* parent, const QString& dir = QString());
