#pragma once
// The "Validação" dialog: how the program's results are checked and where that is described.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class TformValidacao : public QDialog {
    Q_OBJECT
  public:
    explicit TformValidacao(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1 = nullptr;  // five lines, read-only
    QPushButton* Button1 = nullptr;   // "OK"

    void Button1Click() { close(); }

    static QStringList textLines();
};

extern TformValidacao* formValidacao;
