#pragma once
// The "Sobre" (about) dialog, and the help message of the main window's "Ajuda" command.

#include <QDialog>

class QLabel;
class QPushButton;
class QWidget;

class TformSobre : public QDialog {
    Q_OBJECT
  public:
    explicit TformSobre(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;        // "O programa Vespra 4 foi desenvolvido por:"
    QLabel* Label2 = nullptr;        // authors, bold
    QLabel* Label3 = nullptr;        // their role, bold
    QLabel* Label4 = nullptr;        // version, plain
    QPushButton* Button1 = nullptr;  // "OK"

    void Button1Click() { close(); }
};

extern TformSobre* formSobre;

// The "Ajuda" command: an information box telling where the manual of Vespra 4 is.
void exibeAjuda(QWidget* parent);
