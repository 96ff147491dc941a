#include "windows/main/unit_dados_prec.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/numtext.h"
#include "components/app_locale.h"
#include "components/ui_seam.h"

TformDadosPrec* formDadosPrec = nullptr;

TformDadosPrec::TformDadosPrec(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formDadosPrec"));
    setWindowTitle(QStringLiteral("Dados de precipitação"));
    auto* grid = new QGridLayout(this);

    edCaminho = new QLineEdit(this);
    edCaminho->setObjectName(QStringLiteral("edCaminho"));
    edCaminho->setMinimumWidth(320);
    Label1 = new QLabel(QStringLiteral("Carregar arquivo"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(edCaminho);
    Button1 = new QPushButton(QStringLiteral("Procurar..."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(edCaminho, 1, 0);
    grid->addWidget(Button1, 1, 1);

    edDataInicial = new QLineEdit(this);
    edDataInicial->setObjectName(QStringLiteral("edDataInicial"));
    Label2 = new QLabel(QStringLiteral("Data inicial dos dados de precipitação"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setBuddy(edDataInicial);
    grid->addWidget(Label2, 2, 0, 1, 2);
    grid->addWidget(edDataInicial, 3, 0);

    edDescartPrec = new QLineEdit(this);
    edDescartPrec->setObjectName(QStringLiteral("edDescartPrec"));
    Label3 = new QLabel(QStringLiteral("Descarte do escoamento inicial (mm)"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setBuddy(edDescartPrec);
    grid->addWidget(Label3, 4, 0, 1, 2);
    grid->addWidget(edDescartPrec, 5, 0);

    Button2 = new QPushButton(QStringLiteral("Concluir"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefault(true);
    grid->addWidget(Button2, 6, 1);

    for (QLabel* label : {Label1, Label2, Label3}) label->buddy()->setAccessibleName(label->text());
    FormCreate();

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

void TformDadosPrec::FormCreate() {
    Label2->setText(Label2->text() + QStringLiteral(" (") + fromUtf8(appLocale().shortDatePattern) +
                    QStringLiteral(")"));
    edDataInicial->setAccessibleName(Label2->text());
}

std::string TformDadosPrec::strDadosPrec() const {
    return toUtf8(edCaminho->text());
}

TDate TformDadosPrec::dateDadosPrec() const {
    return readDate(toUtf8(edDataInicial->text()), appLocale());
}

double TformDadosPrec::dblDescartPrec() const {
    return readStrict(toUtf8(edDescartPrec->text()), appLocale());
}

void TformDadosPrec::Button1Click() {
    const QString path = ui().openFileName(this, QStringLiteral("Dados de precipitação"), QString(),
                                           QStringLiteral("Arquivo CSV|*.csv|Todos os arquivos|*"));
    if (!path.isEmpty()) edCaminho->setText(path);
}

// "Concluir" checks nothing: the accessors convert when the caller reads them.
void TformDadosPrec::Button2Click() {
    accept();
}
