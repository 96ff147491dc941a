#pragma once
// The list dialog in which one scenario parameter's values are edited. The scenario window
// makes one for each editing of a row: the caption is the parameter's name, the controls are
// arranged for that row, and after "Concluir" the window reads the items back.

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

class TformCenariosDados : public QDialog {
    Q_OBJECT
  public:
    explicit TformCenariosDados(QWidget* parent = nullptr);

    QWidget* Panel6 = nullptr;  // the value field
    QLabel* Label1 = nullptr;   // "Valor"
    QLineEdit* edValor = nullptr;
    QWidget* Panel5 = nullptr;  // the buttons that add items
    QPushButton* btAdicionar = nullptr;
    QPushButton* btVariavel = nullptr;
    QPushButton* btIntervlResInf = nullptr;
    QPushButton* btCarregar = nullptr;  // "..."
    QPushButton* btResSup = nullptr;
    QListWidget* LBDados = nullptr;
    QPushButton* btAcima = nullptr;
    QPushButton* btAbaixo = nullptr;
    QPushButton* btExcluir = nullptr;
    QPushButton* btSort = nullptr;
    QPushButton* btConcluir = nullptr;

    // Caption and controls for row 1 to 8 of the scenario table.
    void arrange(int linha);
    int linha() const { return linha_; }

    const std::vector<std::string>& itens() const { return itens_; }
    void setItens(std::vector<std::string> itens);
    // The value-list text of the items: "(a); (b)".
    std::string TStringListToString() const;

    // Event operations.
    void edValorChange();
    void btAdicionarClick();
    void btCarregarClick();
    void btVariavelClick();
    void btIntervlResInfClick();
    void btResSupClick();
    void btAcimaClick();
    void btAbaixoClick();
    void btExcluirClick();
    void btSortClick();
    void btConcluirClick();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    // One more item, when it reads and its values can be: at its sorted place once the list
    // was sorted, else at the end. Otherwise a message names it and nothing is added.
    bool addItem(std::string item);
    void paintList(int selected);
    void swapSelected(int delta);

    std::vector<std::string> itens_;
    int linha_ = 0;
    bool ordenado_ = false;
};

extern TformCenariosDados* formCenariosDados;
