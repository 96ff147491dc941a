#pragma once
// The "Citação" dialog: how to cite the program, with a button that copies the reference.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TformCitacao : public QDialog {
    Q_OBJECT
  public:
    explicit TformCitacao(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;  // the reference in two lines
    QLineEdit* Edit1 = nullptr;       // hidden: the same reference in one line
    QPushButton* Button1 = nullptr;   // "Copiar"
    QPushButton* Button2 = nullptr;   // "OK"

    void Button1Click();
    void Button2Click() { close(); }

    // The bibliographic reference, line by line.
    static QStringList referenceLines();
};

extern TformCitacao* formCitacao;
