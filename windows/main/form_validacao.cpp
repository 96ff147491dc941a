#include "windows/main/form_validacao.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "components/window_controls.h"

TformValidacao* formValidacao = nullptr;

QStringList TformValidacao::textLines() {
    return {
        QStringLiteral(
            "Os resultados do Vespra 4 são verificados por testes automatizados do balanço hídrico "
            "diário, da varredura de volumes, do volume ideal e dos arquivos de simulação,"),
        QStringLiteral("e por um cálculo independente, comparado valor a valor, sobre um registro real de "
                       "precipitação diária (Seattle, 2012 a 2015)."),
        QString(),
        QStringLiteral("A descrição das verificações e o modo de repeti-las podem ser obtidos em:"),
        QStringLiteral("docs/VALIDATION.md, no repositório do programa.")};
}

TformValidacao::TformValidacao(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formValidacao"));
    setWindowTitle(QStringLiteral("Validação"));
    resize(820, 200);

    Memo1 = new QPlainTextEdit(textLines().join(QLatin1Char('\n')), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setAccessibleName(windowTitle());
    Button1 = makeButton(this, "Button1", QStringLiteral("OK"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
}
