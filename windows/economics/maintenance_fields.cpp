#include "windows/economics/maintenance_fields.h"

#include <QLabel>
#include <QLineEdit>

#include "components/app_locale.h"
#include "components/key_filters.h"
#include "components/number_texts.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "economics/costs.h"
#include "economics/economics_errors.h"
#include "economics/file_section.h"
#include "windows/economics/economics_controls.h"

void CamposManutencao::constroiCampos(QWidget* parent, const QString& legendaNome) {
    Label1 = makeEconLabel(parent, "Label1", legendaNome);
    edNomeManutencao = makeEconEdit(parent, "edNomeManutencao", Label1->text(), Label1);
    installNoSemicolonFilter(edNomeManutencao);
    Label2 = makeEconLabel(parent, "Label2", QStringLiteral("Periodicidade (meses)"));
    edMeses = makeEconEdit(parent, "edMeses", Label2->text(), Label2);
    installIntegerKeyFilter(edMeses);
    RGTipoCusto = new RadioGroup(
        QStringLiteral("Tipo de custo"),
        {QStringLiteral("Fixo"), QStringLiteral("Variável (consumo de água pluvial)")}, parent);
    RGTipoCusto->setObjectName(QStringLiteral("RGTipoCusto"));
    Label6 = makeEconLabel(parent, "Label6", QStringLiteral("Coeficiente linear (R$)"));
    edCoefLinear = makeEconEdit(parent, "edCoefLinear", QStringLiteral("Coeficiente linear (R$)"), Label6);
    Label7 = makeEconLabel(parent, "Label7", QStringLiteral("Coeficiente angular (R$/m³)"));
    edCoefAng = makeEconEdit(parent, "edCoefAng", Label7->text(), Label7);
    for (QLineEdit* e : {edCoefLinear, edCoefAng}) {
        installDecimalKeyFilter(e);
        e->setEnabled(false);
    }
}

void CamposManutencao::aplicaTipoCusto(int tipo) {
    if (tipo == 1) {
        Label6->setText(QStringLiteral("Coeficiente linear (R$)"));
        edCoefLinear->setEnabled(true);
        edCoefAng->setEnabled(true);
    } else if (tipo == 0) {
        Label6->setText(QStringLiteral("Custo (R$)"));
        edCoefLinear->setEnabled(true);
        edCoefAng->setEnabled(false);
    }
    // The box is read aloud as its caption reads.
    edCoefLinear->setAccessibleName(Label6->text());
}

bool CamposManutencao::nomeGravavel(QWidget* parent) const {
    if (TextoGravavel(textOf(edNomeManutencao))) return true;
    showErrorBox(parent, QStringLiteral("O nome do custo operacional não pode conter \";\"."));
    return false;
}

std::optional<TManutencao> CamposManutencao::leItem(QWidget* parent, int tipo) const {
    if (!nomeGravavel(parent)) return std::nullopt;
    if (!fieldsRead(parent, {edMeses}, FieldKind::Integer) ||
        !fieldsRead(parent, {edCoefLinear, tipo == 0 ? nullptr : edCoefAng}, FieldKind::Money))
        return std::nullopt;
    try {
        TManutencao item = LeManutencao(textOf(edNomeManutencao), textOf(edMeses), tipo, textOf(edCoefLinear),
                                        textOf(edCoefAng), appLocale());
        ChecaPeriodicidade(item);
        return item;
    } catch (const AnaliseError& e) {
        showErrorBox(parent, fromUtf8(e.what()));
    } catch (const std::exception& e) {
        showException(parent, e);
    }
    return std::nullopt;
}
