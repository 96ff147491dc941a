#pragma once
// The other operating costs of the economic analysis (maintenance, water treatment and the
// like): a list of items, each fixed or proportional to the rainwater consumed, charged every
// few months. Items are edited and removed in the edit window.

#include <QDialog>
#include <vector>

#include "economics/economic_records.h"
#include "windows/economics/maintenance_fields.h"

class DataGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;

class TformCustoManutencao : public QDialog, public CamposManutencao {
    Q_OBJECT
  public:
    explicit TformCustoManutencao(QWidget* parent = nullptr);

    static constexpr int kLarguraEstreita = 231;
    static constexpr int kLarguraComLista = 712;

    QPushButton* BTAdicionar = nullptr;
    DataGrid* NxGManut = nullptr;
    QPushButton* BTEditar = nullptr;
    QPushButton* BTRemover = nullptr;  // removes the item selected in the grid
    QPushButton* BTConcluir = nullptr;

    // The items in the order of entry; each Cod equals its index.
    std::vector<TManutencao> vecManutencao;

    // Puts items read from a file into the list and the grid.
    void preenche(const std::vector<TManutencao>& itens);
    // Empties the list, the grid and the entry and narrows the window.
    void Limpa();
    // The edit window's changes to item `ind`.
    void Modifica(std::size_t ind, const TManutencao& item);
    void Exclui(std::size_t ind);

    void BTAdicionarClick();
    void BTEditarClick();
    void BTRemoverClick();
    void NxGManutCellClick(int col, int row);
    void RGTipoCustoClick();

  private:
    int itemSelecionado() const;  // index of the item selected in the grid, or -1
    void limpaEntrada();
    void atualizaGrade();
    void mostraLista(bool mostra);
};

extern TformCustoManutencao* formCustoManutencao;

// The entry of an operating cost item, shared by the list window and the edit window: the
