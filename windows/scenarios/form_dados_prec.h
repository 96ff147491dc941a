#pragma once
// The precipitation data of one scenario record: the data file, the date of its first
// value and the first-flush discard. The scenario data window makes one for each use,
// shows it modally and reads the three values after "Concluir".

#include <QDialog>
#include <string>

#include "common/tdate.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TformDadosPrec : public QDialog {
    Q_OBJECT
  public:
    explicit TformDadosPrec(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* edCaminho = nullptr;
    QPushButton* Button1 = nullptr;            // "Procurar..."
    QPushButton* BTImportarEstacao = nullptr;  // "Importar arquivo de estação..."
    QLabel* Label2 = nullptr;
    QLineEdit* edDataInicial = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* edDescartPrec = nullptr;
    QPushButton* Button2 = nullptr;  // "Concluir"

    // The full path of the data file, as typed or chosen.
    std::string strDadosPrec() const;
    // The start date in the locale's short date format; throws ConversionError.
    TDate dateDadosPrec() const;
    // The discard in mm with the locale's decimal separator; throws ConversionError.
    double dblDescartPrec() const;

    void Button1Click();
    // Imports a weather station's daily file: the record written and its first day fill the
    // path and the start date; nothing else changes until "Concluir".
    void BTImportarEstacaoClick();
    void Button2Click();

  private:
    void FormCreate();
};

extern TformDadosPrec* formDadosPrec;
