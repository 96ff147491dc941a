#pragma once
// The editor of a variable demand or a variable number of occupants: a pattern of N days or
// the 12 months, typed, pasted or loaded from a value file. The main window and the scenario
// lists create one for each use, show it modally and read it when it closes with OK.

#include <QDialog>
#include <QString>
#include <QStringList>

#include "common/arrays.h"

class DataGrid;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioGroup;
class TCaptAguaInterval;
struct DemandGridLayout;

// True while the editor edits the number of occupants, false for the demand. The main window
// sets it before each opening; the scenario lists leave it as its last use left it.
extern bool flagNroMor;

class TformDemanda : public QDialog {
    Q_OBJECT
  public:
    explicit TformDemanda(QWidget* parent = nullptr);

    enum { ItemDiaria = 0, ItemMensal = 1 };

    RadioGroup* rgPeriodicidade = nullptr;
    QLabel* Label15 = nullptr;
    QLineEdit* EdPeriodo = nullptr;
    QPushButton* BTOK = nullptr;
    QPushButton* BTCarregar = nullptr;
    DataGrid* SGDemandaVar = nullptr;  // column 0 the row labels, column 1 the values
    QPushButton* BTConcluir = nullptr;

    // Fill the editor from the first simulation's demand, resp. occupant, series.
    void LoadDemAguaPot(const TCaptAguaInterval& mCaptAguaInterval);
    void LoadNroMor(const TCaptAguaInterval& mCaptAguaInterval);
    // Every value of the grid joined by "; " ("100; 120; 90").
    QString StrGridToStr() const;
    // An empty period and a grid of one empty row.
    void LimparDemandaVar();

    bool isMensal() const;
    // The values of the rows the period covers (the 12 months under "Mensal"), read in the
    // locale; throws ConversionError naming the row of a value that is not a number or is below 0.
    doubleArray seriesValues() const;

    // The grid as the user sees it; rows count from 1, the header being row 0.
    QString cornerText() const;
    QString headerText() const;
    int valueRowCount() const;
    QString rowLabel(int row) const;
    QString valueText(int row) const;
    void setValueText(int row, const QString& text);

    void FormShow();
    void rgPeriodicidadeClick(int index);
    void EdPeriodoChange();
    void EdPeriodoEnter();
    void BTOKClick();
    void BTCarregarClick();
    void BTConcluirClick();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void connectReactions();
    void loadSeries(const doubleArray& daily, const doubleArray& monthly, bool isMonthly);
    void setCorner(const QString& text);
    void setColumnHeader();
    // Rows and labels of a layout; values already typed keep their rows.
    void applyLayout(const DemandGridLayout& layout);
    void refreshAccessibleText(int row);
    QStringList valueTexts() const;
    bool gridKeyPress(QKeyEvent* key);
    void pasteColumn(int firstRow, const QString& clipboard);
    void lockPeriodForMonths();

    bool refreshingAccessible_ = false;
};

extern TformDemanda* formDemanda;
