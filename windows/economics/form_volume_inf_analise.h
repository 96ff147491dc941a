#pragma once
// Asks for the lower-reservoir volume that the economic analysis uses when the main window
// cannot supply it; "Concluir" writes the volume, as typed, into the analysis window.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TformVolumeInfAnalise : public QDialog {
    Q_OBJECT
  public:
    explicit TformVolumeInfAnalise(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* EdVolAnalise = nullptr;
    QLabel* Label3 = nullptr;  // "litros"
    QPushButton* BTConcluir = nullptr;

    void EdVolAnaliseChange();
    void BTConcluirClick();

  protected:
    void showEvent(QShowEvent* event) override;  // FormShow: starts empty
};

extern TformVolumeInfAnalise* formVolumeInfAnalise;
