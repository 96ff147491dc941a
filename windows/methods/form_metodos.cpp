#include "windows/methods/form_metodos.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/textfile.h"
#include "components/app_locale.h"
#include "components/data_grid.h"
#include "components/key_filters.h"
#include "components/number_texts.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"
#include "engine/engine_error.h"
#include "windows/methods/methods_links.h"

namespace {

constexpr int kColumnWidths[] = {150, 440, 120, 130, 120, 110};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

TformMetodos::TformMetodos(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formMetodos"));
    setWindowTitle(QStringLiteral("Métodos de dimensionamento (NBR 15527:2007)"));
    buildControls();
    connect(BTCalcular, &QPushButton::clicked, this, [this] { BTCalcularClick(); });
    connect(BTExportar, &QPushButton::clicked, this, [this] { BTExportarClick(); });
}

void TformMetodos::buildControls() {
    const ParametrosMetodos defaults = lastMethodParameters();
    std::tie(LabelMesesSecos, EdMesesSecos) =
        makeLabelledEdit(this, "LabelMesesSecos", "EdMesesSecos",
                         QStringLiteral("Meses secos (T), vazio para contar no ano médio"),
                         QStringLiteral("Meses secos (T)"), LabelKind::OneLine);
    std::tie(LabelInterceptacao, EdInterceptacao) =
        makeLabelledEdit(this, "LabelInterceptacao", "EdInterceptacao", QStringLiteral("Interceptação (mm)"),
                         {}, LabelKind::OneLine);
    std::tie(LabelConfianca, EdConfianca) = makeLabelledEdit(
        this, "LabelConfianca", "EdConfianca", QStringLiteral("Confiança (%)"), {}, LabelKind::OneLine);
    installIntegerKeyFilter(EdMesesSecos);
    installDecimalKeyFilter(EdInterceptacao);
    installDecimalKeyFilter(EdConfianca);
    if (defaults.mesesSecos) EdMesesSecos->setText(generalText(*defaults.mesesSecos));
    EdInterceptacao->setText(generalText(defaults.interceptacao));
    EdConfianca->setText(generalText(defaults.confianca));
    BTCalcular = makeButton(this, "BTCalcular", QStringLiteral("Calcular"));
    BTExportar = makeButton(this, "BTExportar", QStringLiteral("Exportar"));
    BTExportar->setEnabled(false);
    LabelPrecAnual =
        makeLabel(this, "LabelPrecAnual", QStringLiteral("P (mm/ano):"), nullptr, LabelKind::Bold);
    LabelMesesSecosCalc =
        makeLabel(this, "LabelMesesSecosCalc", QStringLiteral("T (meses secos):"), nullptr, LabelKind::Bold);

    NxGrMetodos = new DataGrid(this);
    NxGrMetodos->setObjectName(QStringLiteral("NxGrMetodos"));
    NxGrMetodos->setAccessibleName(QStringLiteral("Tabela dos métodos de dimensionamento"));
    NxGrMetodos->setAccessibleDescription(
        QStringLiteral("Um método por linha, com o volume e os resultados da simulação diária desse volume"));
    // The table's captions, the longer ones on two lines.
    const char* headers[][2] = {{"Método", ""},
                                {"Volume (litros)", ""},
                                {"Potencial de", "economia (%)"},
                                {"Atende", "completamente (%)"},
                                {"Parcialmente (%)", ""},
                                {"Não atende (%)", ""}};
    for (std::size_t c = 0; c < 6; ++c)
        NxGrMetodos->addColumn(QString::fromUtf8(headers[c][0]), QString::fromUtf8(headers[c][1]),
                               kColumnWidths[c]);
    NxGrMetodos->setHeaderHeight(34);
    NxGrMetodos->setReadOnly(true);
    // The six methods are read whole, without scrolling.
    NxGrMetodos->setMinimumSize(1090, 34 + 6 * NxGrMetodos->verticalHeader()->defaultSectionSize() +
                                          2 * NxGrMetodos->frameWidth() + 2);

    auto* params = new QGridLayout;
    int row = 0;
    for (auto [label, edit] :
         {std::pair{LabelMesesSecos, EdMesesSecos}, std::pair{LabelInterceptacao, EdInterceptacao},
          std::pair{LabelConfianca, EdConfianca}}) {
        params->addWidget(label, row, 0);
        params->addWidget(edit, row++, 1);
    }
    params->addWidget(BTCalcular, 0, 2);
    params->addWidget(BTExportar, 1, 2);
    params->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(params);
    layout->addWidget(LabelPrecAnual);
    layout->addWidget(LabelMesesSecosCalc);
    layout->addWidget(NxGrMetodos, 1);
}

std::optional<ParametrosMetodos> TformMetodos::readParametros() {
    const bool counted = EdMesesSecos->text().trimmed().isEmpty();
    if (!fieldsRead(this, {counted ? nullptr : EdMesesSecos, EdInterceptacao, EdConfianca}))
        return std::nullopt;
    ParametrosMetodos p;
    if (!counted) p.mesesSecos = readField(EdMesesSecos);
    p.interceptacao = readField(EdInterceptacao);
    p.confianca = readField(EdConfianca);
    const std::pair<std::optional<std::string>, QLineEdit*> checks[] = {
        {p.mesesSecos ? erroMesesSecos(*p.mesesSecos) : std::nullopt, EdMesesSecos},
        {erroInterceptacao(p.interceptacao), EdInterceptacao},
        {erroConfianca(p.confianca), EdConfianca}};
    for (const auto& [error, box] : checks) {
        if (!error) continue;
        showError(this, text(*error));
        box->setFocus(Qt::OtherFocusReason);
        return std::nullopt;
    }
    return p;
}

void TformMetodos::BTCalcularClick() {
    if (!simCurrent) return;
    const auto p = readParametros();
    if (!p) return;
    try {
        resultado = calculaMetodos(*simCurrent, *p);
    } catch (const EngineError& e) {
        showException(this, e);
        return;
    }
    setLastMethodParameters(*p);
    paint();
}

void TformMetodos::paint() {
    const auto header = cabecalhoMetodos(*resultado, appLocale());
    LabelPrecAnual->setText(text(header[0][0] + ": " + header[0][1]));
    LabelMesesSecosCalc->setText(text(header[1][0] + ": " + header[1][1]));
    auto rows = tabelaMetodos(*resultado, appLocale());
    rows.erase(rows.begin());  // the grid's own header
    NxGrMetodos->setRows(DataGrid::textRows(rows));
    BTExportar->setEnabled(true);
}

void TformMetodos::BTExportarClick() {
    if (!resultado) return;
    const QString path = ui().saveFileName(this, QStringLiteral("Exportar para CSV"), QString(),
                                           QStringLiteral("Arquivo CSV|*.csv"), QStringLiteral("csv"));
    if (path.isEmpty()) return;
    try {
        writeTextLines(toUtf8(path), linhasMetodos(*resultado, appLocale()));
    } catch (const FileError& error) {
        showException(this, error);
    }
}
