#pragma once
// Edits or removes one item of the operating cost list, the one last clicked in its grid.

#include <QDialog>
#include <cstddef>

#include "economics/economic_records.h"
#include "windows/economics/maintenance_fields.h"

class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;

class TformEditCustoManutencao : public QDialog, public CamposManutencao {
    Q_OBJECT
  public:
    explicit TformEditCustoManutencao(QWidget* parent = nullptr);

    QPushButton* BTModificar = nullptr;
    QPushButton* BTExcluir = nullptr;
    QLineEdit* edCod = nullptr;  // hidden: the index of the item shown

    // Shows item `ind` in the fields, without showing the window.
    void Carrega(std::size_t ind, const TManutencao& item);
    void Limpa();

    void BTModificarClick();
    void BTExcluirClick();
    void RGTipoCustoClick();

  private:
    std::size_t indice() const;
};

extern TformEditCustoManutencao* formEditCustoManutencao;
