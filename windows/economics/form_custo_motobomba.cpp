#include "windows/economics/form_custo_motobomba.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "components/app_locale.h"
#include "components/key_filters.h"
#include "components/ui_seam.h"
#include "economics/costs.h"
#include "windows/economics/economics_controls.h"
#include "windows/economics/economics_links.h"

TformCustoMotobomba* formCustoMotobomba = nullptr;

TformCustoMotobomba::TformCustoMotobomba(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formCustoMotobomba"));
    setWindowTitle(QStringLiteral("Motobomba"));

    auto* grid = new QGridLayout(this);
    int row = 0;
    auto add = [&](QLabel*& label, QLineEdit*& edit, const char* labelName, const char* editName,
                   const QString& caption) {
        label = makeEconLabel(this, labelName, caption);
        edit = makeEconEdit(this, editName, caption, label);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    };
    add(LabelPotencia, edPotencia, "LabelPotencia", "edPotencia", QStringLiteral("Potência unitária"));
    CBPotUnid = makeEconCombo(this, "CBPotUnid", QStringLiteral("Unidade da potência"),
                              {QStringLiteral("CV"), QStringLiteral("W")});
    CBPotUnid->setAccessibleDescription(QStringLiteral("Unidade da potência unitária: CV ou W"));
    CBPotUnid->setCurrentIndex(0);
    grid->addWidget(CBPotUnid, 0, 2);
    add(LabelRendimento, edRendimento, "LabelRendimento", "edRendimento", QStringLiteral("Rendimento (%)"));
    add(LabelVazao, edVazao, "LabelVazao", "edVazao", QStringLiteral("Vazão (litros/hora)"));
    add(LabelTempoPartida, edTempoPartida, "LabelTempoPartida", "edTempoPartida",
        QStringLiteral("Tempo de partida (segundos)"));
    add(LabelCusto, edCusto, "LabelCusto", "edCusto", QStringLiteral("Custo Unitário (R$)"));
    add(LabelTarifaEn, edTarifaEn, "LabelTarifaEn", "edTarifaEn",
        QStringLiteral("Tarifa de energia elétrica (R$/kWh)"));
    add(LabelImpFixo, edImpFixo, "LabelImpFixo", "edImpFixo", QStringLiteral("Imposto fixo (R$)"));
    add(LabelImpVar, edImpVar, "LabelImpVar", "edImpVar", QStringLiteral("Imposto variável (%)"));
    installFractionKeyFilter(edPotencia);
    for (QLineEdit* e : {edRendimento, edVazao, edTempoPartida, edCusto, edTarifaEn, edImpFixo, edImpVar})
        installDecimalKeyFilter(e);

    cbMbReserva = makeEconCheck(this, "cbMbReserva", QStringLiteral("Considerar motobomba de reserva"));
    grid->addWidget(cbMbReserva, row++, 0, 1, 3);
    BTConcluir = makeEconButton(this, "BTConcluir", QStringLiteral("Concluir"));
    BTConcluir->setDefault(true);
    BTConcluir->setEnabled(false);
    grid->addWidget(BTConcluir, row, 0, 1, 3, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(BTConcluir, &QPushButton::clicked, this, [this] { BTConcluirClick(); });
    connect(CBPotUnid, &QComboBox::activated, this, [this] { CBPotUnidChange(); });
    connect(edTarifaEn, &QLineEdit::textChanged, this, [this] { edTarifaEnChange(); });
    ligaEntradasAnalise({edPotencia, CBPotUnid, edRendimento, edVazao, edTempoPartida, edCusto, edTarifaEn,
                         edImpFixo, edImpVar, cbMbReserva});
}

TCamposMotobomba TformCustoMotobomba::campos() const {
    TCamposMotobomba c;
    c.boolReserva = cbMbReserva->isChecked();
    c.strPotencia = textOf(edPotencia);
    c.indPotUnid = CBPotUnid->currentIndex();
    c.strRendimento = textOf(edRendimento);
    c.strVazao = textOf(edVazao);
    c.strTempoPartida = textOf(edTempoPartida);
    c.strCusto = textOf(edCusto);
    c.strTarifaEn = textOf(edTarifaEn);
    c.strImpFixo = textOf(edImpFixo);
    c.strImpVar = textOf(edImpVar);
    return c;
}

void TformCustoMotobomba::preenche(const TCamposMotobomba& c) {
    cbMbReserva->setChecked(c.boolReserva);
    setTextOf(edPotencia, c.strPotencia);
    CBPotUnid->setCurrentIndex(c.indPotUnid >= 0 && c.indPotUnid < CBPotUnid->count() ? c.indPotUnid : -1);
    setTextOf(edRendimento, c.strRendimento);
    setTextOf(edVazao, c.strVazao);
    setTextOf(edTempoPartida, c.strTempoPartida);
    setTextOf(edCusto, c.strCusto);
    setTextOf(edTarifaEn, c.strTarifaEn);
    setTextOf(edImpFixo, c.strImpFixo);
    setTextOf(edImpVar, c.strImpVar);
}

void TformCustoMotobomba::Limpa() {
    TCamposMotobomba vazio;
    vazio.boolReserva = cbMbReserva->isChecked();
    preenche(vazio);
}

void TformCustoMotobomba::BTConcluirClick() {
    TCamposMotobomba c = campos();
    const bool completa = ConcluiMotobomba(c);
    setTextOf(edImpFixo, c.strImpFixo);
    setTextOf(edImpVar, c.strImpVar);
    if (completa) {
        accept();
        return;
    }
    // The message names the first field to fill, which gets the focus.
    const QString vazio = fromUtf8(CampoMotobombaVazio(c));
    showErrorBox(this, QStringLiteral("Há um ou mais campos não preenchidos.\nCampo não preenchido: ") +
                           vazio + QLatin1Char('.'));
    for (QWidget* campo : {static_cast<QWidget*>(edPotencia), static_cast<QWidget*>(CBPotUnid),
                           static_cast<QWidget*>(edVazao), static_cast<QWidget*>(edTempoPartida),
                           static_cast<QWidget*>(edCusto), static_cast<QWidget*>(edTarifaEn)}) {
        if (campo->accessibleName() == vazio) campo->setFocus();
    }
}

void TformCustoMotobomba::CBPotUnidChange() {
    edRendimento->setFocus();
}

void TformCustoMotobomba::edTarifaEnChange() {
    BTConcluir->setEnabled(!edCusto->text().isEmpty());
}
