#include "windows/main/form_citacao.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "components/ui_seam.h"
#include "components/window_controls.h"

TformCitacao* formCitacao = nullptr;

QStringList TformCitacao::referenceLines() {
    return {QStringLiteral("EQUIPE VESPRA. Vespra 4. Programa computacional."),
            QStringLiteral("Disponível em: docs/VALIDATION.md, no repositório do programa. 2026.")};
}

TformCitacao::TformCitacao(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formCitacao"));
    setWindowTitle(QStringLiteral("Citação"));

    Label1 =
        makeLabel(this, "Label1",
                  QStringLiteral("Ao utilizar e mencionar o programa Vespra em publicações, solicitamos a "
                                 "citação da seguinte forma:"));
    Memo1 = new QPlainTextEdit(referenceLines().join(QLatin1Char('\n')), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setAccessibleName(QStringLiteral("Citação"));
    Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * 3 + 12);
    Label1->setBuddy(Memo1);
    Edit1 = new QLineEdit(referenceLines().join(QLatin1Char(' ')), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Citação em uma linha"));
    Edit1->setVisible(false);

    Button1 = makeButton(this, "Button1", QStringLiteral("Copiar"));
    Button2 = makeButton(this, "Button2", QStringLiteral("OK"));
    Button2->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Memo1);
    layout->addWidget(Edit1);
    layout->addLayout(buttons);
    setFixedSize(560, sizeHint().height());  // fixed dialog border
}

void TformCitacao::Button1Click() {
    QGuiApplication::clipboard()->setText(Edit1->text());
    showInformation(this, QStringLiteral("Citação copiada"),
                    QStringLiteral("Citação copiada para a área de transferência"));
}
