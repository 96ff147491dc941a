#include "windows/scenarios/form_cenarios_dados_res_inf.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "components/app_locale.h"
#include "components/key_filters.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"
#include "scenarios/item_rules.h"
#include "scenarios/value_lists.h"

TformCenariosDadosResInf* formCenariosDadosResInf = nullptr;

TformCenariosDadosResInf::TformCenariosDadosResInf(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formCenariosDadosResInf"));
    setWindowTitle(QStringLiteral("Dados reservatório inferior"));
    auto* layout = new QVBoxLayout(this);
    const auto add = [&](const char* labelName, const char* editName, const QString& caption) {
        // Read aloud as the caption, without its closing colon.
        QString name = caption;
        if (name.endsWith(QLatin1Char(':'))) name.chop(1);
        const LabelledEdit e = makeLabelledEdit(this, labelName, editName, caption, name, LabelKind::OneLine);
        layout->addWidget(e.first);
        layout->addWidget(e.second);
        installDecimalKeyFilter(e.second);
        return e.second;
    };
    EdVolMaximo = add("Label1", "EdVolMaximo", QStringLiteral("Volume máximo (litros)"));
    EdIntervaloVols = add("Label2", "EdIntervaloVols", QStringLiteral("Intervalo entre volumes (litros)"));
    EdDiferenca =
        add("Label3", "EdDiferenca", QStringLiteral("Diferença entre potenciais de economia (%/m³):"));
    btConcluir = makeButton(this, "btConcluir", QStringLiteral("Concluir"));
    btConcluir->setDefault(true);
    layout->addWidget(btConcluir, 0, Qt::AlignRight);
    connect(btConcluir, &QPushButton::clicked, this, [this] { btConcluirClick(); });
}

std::string TformCenariosDadosResInf::ResInfToStr() const {
    return ::ResInfToStr(toUtf8(EdVolMaximo->text()), toUtf8(EdIntervaloVols->text()),
                         toUtf8(EdDiferenca->text()));
}

// A step of 0 or less makes no range (a fixed volume is entered as "Fixo"): the message names
// what is wrong and the focus goes to its box; the dialog stays open as typed.
void TformCenariosDadosResInf::btConcluirClick() {
    const auto erro = ErroFaixaDeVolumes(toUtf8(EdVolMaximo->text()), toUtf8(EdIntervaloVols->text()),
                                         toUtf8(EdDiferenca->text()), appLocale());
    if (!erro) {
        accept();
        return;
    }
    showErrorBox(this, QString::fromUtf8(erro->mensagem));
    QLineEdit* const boxes[3] = {EdVolMaximo, EdIntervaloVols, EdDiferenca};
    boxes[erro->campo]->setFocus();
    boxes[erro->campo]->selectAll();
}
