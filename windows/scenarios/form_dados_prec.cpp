#include "windows/scenarios/form_dados_prec.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

#include "common/numtext.h"
#include "components/app_locale.h"
#include "components/file_filters.h"
#include "components/key_filters.h"
#include "components/number_texts.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"
#include "windows/scenarios/scenarios_links.h"

TformDadosPrec* formDadosPrec = nullptr;

TformDadosPrec::TformDadosPrec(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formDadosPrec"));
    setWindowTitle(QStringLiteral("Dados de precipitação"));
    auto* grid = new QGridLayout(this);

    std::tie(Label1, edCaminho) = makeLabelledEdit(
        this, "Label1", "edCaminho", QStringLiteral("Carregar arquivo"), QString(), LabelKind::OneLine);
    edCaminho->setMinimumWidth(320);
    Button1 = makeButton(this, "Button1", QStringLiteral("Procurar..."), false);
    Button1->setAccessibleDescription(QStringLiteral("Escolher o arquivo de dados de precipitação"));
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(edCaminho, 1, 0);
    grid->addWidget(Button1, 1, 1);
    BTImportarEstacao =
        makeButton(this, "BTImportarEstacao", QStringLiteral("Importar arquivo de estação..."), false);
    BTImportarEstacao->setAccessibleDescription(QStringLiteral(
        "Gravar o registro de precipitação a partir do arquivo diário de uma estação meteorológica"));
    grid->addWidget(BTImportarEstacao, 2, 0, 1, 2, Qt::AlignLeft);

    std::tie(Label2, edDataInicial) = makeLabelledEdit(
        this, "Label2", "edDataInicial", QStringLiteral("Data inicial dos dados de precipitação"), QString(),
        LabelKind::OneLine);
    grid->addWidget(Label2, 3, 0, 1, 2);
    grid->addWidget(edDataInicial, 4, 0);

    std::tie(Label3, edDescartPrec) = makeLabelledEdit(this, "Label3", "edDescartPrec",
                                                       QStringLiteral("Descarte do escoamento inicial (mm)"),
                                                       QString(), LabelKind::OneLine);
    grid->addWidget(Label3, 5, 0, 1, 2);
    grid->addWidget(edDescartPrec, 6, 0);
    installDecimalKeyFilter(edDescartPrec);

    Button2 = makeButton(this, "Button2", QStringLiteral("Concluir"));
    Button2->setDefault(true);
    grid->addWidget(Button2, 7, 1);

    FormCreate();

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(BTImportarEstacao, &QPushButton::clicked, this, [this] { BTImportarEstacaoClick(); });
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
    return readDateField(edDataInicial);
}

double TformDadosPrec::dblDescartPrec() const {
    return readField(edDescartPrec);
}

void TformDadosPrec::Button1Click() {
    const QString path =
        ui().openFileName(this, QStringLiteral("Dados de precipitação"), QString(), kFiltroPrecipitacao);
    if (!path.isEmpty()) edCaminho->setText(path);
}

void TformDadosPrec::BTImportarEstacaoClick() {
    const std::optional<RegistroGravado> gravado = importStationCenario(this);
    if (!gravado) return;
    edCaminho->setText(gravado->caminho);
    edDataInicial->setText(fromUtf8(formatDate(gravado->inicio, appLocale())));
}

// "Concluir" closes only when the date and the discard read: a wrong one is reported and the
// dialog stays open with everything as typed, the focus on the box to correct.
void TformDadosPrec::Button2Click() {
    for (QLineEdit* box : {edDataInicial, edDescartPrec}) {
        try {
            if (box == edDataInicial) {
                dateDadosPrec();
            } else {
                dblDescartPrec();
            }
        } catch (const std::exception& e) {
            showConversionError(this, e);
            box->setFocus();
            box->selectAll();
            return;
        }
    }
    accept();
}
