#include "windows/economics/form_custo_reservatorios.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "components/key_filters.h"
#include "windows/economics/economics_controls.h"
#include "windows/economics/economics_links.h"

TformCustoReservatorios* formCustoReservatorios = nullptr;

TformCustoReservatorios::TformCustoReservatorios(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formCustoReservatorios"));
    setWindowTitle(QStringLiteral("Custos iniciais"));

    auto* layout = new QVBoxLayout(this);
    GBResInf = makeGroup("GBResInf", QStringLiteral("Reservatório inferior"), "edCustoInf", edCustoInf);
    GBResSup = makeGroup("GBResSup", QStringLiteral("Reservatório superior"), "edCustoSup", edCustoSup);
    GBMaoDeObra = makeGroup("GBMaoDeObra", QStringLiteral("Mão de obra"), "edCustoMaoObra", edCustoMaoObra);
    GBTubulacoes =
        makeGroup("GBTubulacoes", QStringLiteral("Tubulações"), "edCustoTubulacoes", edCustoTubulacoes);
    GBAcessorios =
        makeGroup("GBAcessorios", QStringLiteral("Acessórios"), "edCustoAcessorios", edCustoAcessorios);
    for (QGroupBox* g : {GBResInf, GBResSup, GBMaoDeObra, GBTubulacoes, GBAcessorios}) layout->addWidget(g);
    BTConcluir = makeEconButton(this, "BTConcluir", QStringLiteral("Concluir"));
    BTConcluir->setDefault(true);
    layout->addWidget(BTConcluir, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(BTConcluir, &QPushButton::clicked, this, [this] { accept(); });
    ligaEntradasAnalise({edCustoInf, edCustoSup, edCustoMaoObra, edCustoTubulacoes, edCustoAcessorios});
}

QGroupBox* TformCustoReservatorios::makeGroup(const char* name, const QString& caption, const char* editName,
                                              QLineEdit*& edit) {
    auto* group = new QGroupBox(caption, this);
    group->setObjectName(QLatin1String(name));
    auto* label = makeEconLabel(group, "LabelCusto", QStringLiteral("Custo (R$)"));
    edit = makeEconEdit(group, editName, caption + QStringLiteral(": custo (R$)"), label);
    installDecimalKeyFilter(edit);
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(label);
    inner->addWidget(edit);
    return group;
}

TCamposCustosIniciais TformCustoReservatorios::campos() const {
    return {textOf(edCustoInf), textOf(edCustoSup), textOf(edCustoMaoObra), textOf(edCustoTubulacoes),
            textOf(edCustoAcessorios)};
}

void TformCustoReservatorios::preenche(const TCamposCustosIniciais& c) {
    setTextOf(edCustoInf, c.strCustoInf);
    setTextOf(edCustoSup, c.strCustoSup);
    setTextOf(edCustoMaoObra, c.strCustoMaoObra);
    setTextOf(edCustoTubulacoes, c.strCustoTubulacoes);
    setTextOf(edCustoAcessorios, c.strCustoAcessorios);
}

void TformCustoReservatorios::Limpa() {
    preenche({});
}

void TformCustoReservatorios::showEvent(QShowEvent* event) {
    GBResSup->setVisible(usaReservatorioSuperior());
    QDialog::showEvent(event);
}
