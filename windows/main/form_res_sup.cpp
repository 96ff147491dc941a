#include "windows/main/form_res_sup.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <optional>
#include <tuple>

#include "components/key_filters.h"
#include "components/number_texts.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "components/window_controls.h"
#include "windows/main/form_main.h"  // kTextoVariavel
#include "windows/main/main_links.h"
#include "windows/main/upper_reservoir_state.h"

TformResSup* formResSup = nullptr;

namespace {

const QString kZero = QStringLiteral("0");

double number(const QString& text) {
    return readStrictText(text);
}
double number(const QLineEdit* edit) {
    return number(edit->text());
}
bool emptyOrZero(const QString& text) {
    return text.isEmpty() || text == kZero;
}

// A main-window box that reads "Variável" stands for the mean of the series the editor set;
// an empty box counts 0; anything else is read as a number.
double perPersonValue(const QString& text, std::optional<double> seriesMean) {
    if (text.isEmpty()) return 0.0;
    if (seriesMean && text == kTextoVariavel) return *seriesMean;
    return number(text);
}

}  // namespace

TformResSup::TformResSup(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formResSup"));
    setWindowTitle(QStringLiteral("Reservatório superior"));
    buildControls();
    connectReactions();
    RGResSup->setItemIndex(ItemSemReservatorio);
    // From here on a change of the dialog is a change of the main window's simulation, kept
    // before the main window looks at it.
    const auto changed = [this] {
        keepState();
        mainInputsChanged();
    };
    connect(RGResSup, &RadioGroup::clicked, this, changed);
    for (QLineEdit* edit : {ed_reservatorio_sup, edResSupRec, edPercResSupRec})
        connect(edit, &QLineEdit::textChanged, this, changed);
}

TformResSup::~TformResSup() {
    // Windows made afresh (as each window test does) start from a dialog never opened.
    if (keptState_) resSupState() = ResSupState{};
}

void TformResSup::buildControls() {
    RGResSup = new RadioGroup(
        QStringLiteral("Reservatório superior"),
        {QStringLiteral("Volume igual à demanda diária média de água pluvial"),
         QStringLiteral("Entrar com volume desejado"), QStringLiteral("Não utilizar reservatório superior")},
        this);
    RGResSup->setObjectName(QStringLiteral("RGResSup"));

    std::tie(Label8, ed_reservatorio_sup) = makeLabelledEdit(
        this, "Label8", "ed_reservatorio_sup", QStringLiteral("Volume do reservatório superior (litros)"),
        QString(), LabelKind::OneLine);
    ed_reservatorio_sup->setText(kZero);
    ed_reservatorio_sup->setEnabled(false);

    RBVolResSupRec = new QRadioButton(
        QStringLiteral("Volume no reservatório superior abaixo do qual há recalque (litros)"), this);
    RBVolResSupRec->setObjectName(QStringLiteral("RBVolResSupRec"));
    RBVolResSupRec->setEnabled(false);
    edResSupRec = makeEdit(this, "edResSupRec", RBVolResSupRec->text());
    edResSupRec->setText(kZero);
    edResSupRec->setEnabled(false);

    RBPercResSupRec = new QRadioButton(
        QStringLiteral("Percentual do volume do reservatório superior abaixo do qual há recalque"), this);
    RBPercResSupRec->setObjectName(QStringLiteral("RBPercResSupRec"));
    RBPercResSupRec->setEnabled(false);
    edPercResSupRec = makeEdit(this, "edPercResSupRec", RBPercResSupRec->text());
    edPercResSupRec->setText(kZero);
    edPercResSupRec->setEnabled(false);

    for (QLineEdit* edit : {ed_reservatorio_sup, edResSupRec, edPercResSupRec}) installDecimalKeyFilter(edit);
    BTConcluir = makeButton(this, "BTConcluir", QStringLiteral("Concluir"));
    BTConcluir->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(RGResSup, 0, 0, 1, 2);
    grid->addWidget(Label8, 1, 0);
    grid->addWidget(ed_reservatorio_sup, 1, 1);
    grid->addWidget(RBVolResSupRec, 2, 0);
    grid->addWidget(edResSupRec, 2, 1);
    grid->addWidget(RBPercResSupRec, 3, 0);
    grid->addWidget(edPercResSupRec, 3, 1);
    grid->addWidget(BTConcluir, 4, 0, 1, 2, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TformResSup::connectReactions() {
    connect(RGResSup, &RadioGroup::clicked, this, [this](int index) { RGResSupClick(index); });
    ed_reservatorio_sup->installEventFilter(this);
    connect(ed_reservatorio_sup, &QLineEdit::textChanged, this, [this] { ed_reservatorio_supChange(); });
    connect(edResSupRec, &QLineEdit::textChanged, this, [this] { edResSupRecChange(); });
    connect(edPercResSupRec, &QLineEdit::textChanged, this, [this] { edPercResSupRecChange(); });
    connect(RBVolResSupRec, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RBVolResSupRecClick();
    });
    connect(RBPercResSupRec, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RBPercResSupRecClick();
    });
    connect(BTConcluir, &QPushButton::clicked, this, [this] { BTConcluirClick(); });
}

bool TformResSup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ed_reservatorio_sup && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && ed_reservatorio_sup->isEnabled()) {
        ed_reservatorio_supClick();
    }
    return QDialog::eventFilter(watched, event);
}

UpperReservoirMode TformResSup::mode() const {
    switch (RGResSup->itemIndex()) {
        case ItemDemanda:
            return UpperReservoirMode::FromDemand;
        case ItemVolume:
            return UpperReservoirMode::ChosenVolume;
        default:
            return UpperReservoirMode::None;
    }
}

void TformResSup::setMode(UpperReservoirMode mode) {
    switch (mode) {
        case UpperReservoirMode::FromDemand:
            RGResSup->setItemIndex(ItemDemanda);
            break;
        case UpperReservoirMode::ChosenVolume:
            RGResSup->setItemIndex(ItemVolume);
            break;
        case UpperReservoirMode::None:
            RGResSup->setItemIndex(ItemSemReservatorio);
            break;
    }
}

bool TformResSup::setResSup() {
    const std::optional<MainDemandInputs> in = mainDemandInputs();
    if (!in) return true;
    double dem = 0, mor = 0, porc = 0;
    try {
        dem = perPersonValue(in->demanda, in->demandaMedia);
        mor = perPersonValue(in->moradores, in->moradoresMedia);
        if (!in->porcentagemSubst.isEmpty()) porc = number(in->porcentagemSubst) / 100.0;
    } catch (const ConversionError& e) {
        showException(mainWindow(), e);
        return false;
    }
    if (mode() == UpperReservoirMode::FromDemand)
        ed_reservatorio_sup->setText(
            generalText(demandSizedUpperVolume(mor, dem, porc, DemandFactorOrder::DemandShareOccupants)));
    return true;
}

void TformResSup::uncheckThresholdButtons() {
    // Exclusive radio buttons cannot be unchecked one by one.
    for (QRadioButton* rb : {RBVolResSupRec, RBPercResSupRec}) {
        rb->setAutoExclusive(false);
        rb->setChecked(false);
        rb->setAutoExclusive(true);
    }
}

void TformResSup::keepState() {
    // Only the global dialog holds the main window's setting, never a scenario's own dialog.
    if (this != formResSup) return;
    keptState_ = true;
    resSupState() = ResSupState{mode(), ed_reservatorio_sup->text(), edResSupRec->text()};
}

void TformResSup::RGResSupClick(int index) {
    if (flagSimCen) {
        RBVolResSupRec->setEnabled(false);
        RBPercResSupRec->setEnabled(true);
        RBPercResSupRec->setChecked(true);
        if (index == ItemVolume) {
            ed_reservatorio_sup->setEnabled(true);
            if (isVisible()) ed_reservatorio_sup->setFocus();
        }
        return;
    }
    switch (index) {
        case ItemDemanda:
            setResSup();
            RBVolResSupRec->setEnabled(true);
            RBPercResSupRec->setEnabled(true);
            break;
        case ItemVolume:
            RBVolResSupRec->setEnabled(true);
            RBPercResSupRec->setEnabled(true);
            if (isVisible()) {
                ed_reservatorio_sup->setEnabled(true);
                ed_reservatorio_sup->setFocus();
            }
            break;
        case ItemSemReservatorio:
            ed_reservatorio_sup->setText(kZero);
            edResSupRec->setText(kZero);
            break;
        default:
            break;
    }
}

void TformResSup::ed_reservatorio_supClick() {
    RGResSup->setItemIndex(ItemVolume);
    RBVolResSupRec->setEnabled(true);
    RBPercResSupRec->setEnabled(true);
}

void TformResSup::RBVolResSupRecClick() {
    RBPercResSupRec->setChecked(false);
    edPercResSupRec->setEnabled(false);
    edResSupRec->setEnabled(true);
}

void TformResSup::RBPercResSupRecClick() {
    RBVolResSupRec->setChecked(false);
    edResSupRec->setEnabled(false);
    edPercResSupRec->setEnabled(true);
}

template <typename F>
void TformResSup::syncBoxes(QLineEdit* source, F&& update) {
    // Each rewrite triggers the other box's reaction; the chain stops when a rewritten text
    // equals the one already there. Rounding to 15 digits could in principle make two boxes
    // rewrite each other for ever, so a chain deeper than a few steps is cut.
    constexpr int kMaxDepth = 8;
    if (syncDepth_ >= kMaxDepth) return;
    const QScopedValueRollback<int> depth(syncDepth_, syncDepth_ + 1);
    const QScopedValueRollback<QLineEdit*> origin(syncOrigin_, syncOrigin_ ? syncOrigin_ : source);
    try {
        update();
    } catch (const ConversionError& e) {
        showException(this, e);
    }
}

void TformResSup::setFollower(QLineEdit* box, const QString& text) {
    // The user's text stays exactly as typed: 100 L of 300 L gives 33,3333333333333 %, whose
    // litres (0,999… × 100) must not be written back over the 100.
    if (box == syncOrigin_) return;
    box->setText(text);
}

void TformResSup::edPercResSupRecChange() {
    syncBoxes(edPercResSupRec, [this] {
        if (emptyOrZero(ed_reservatorio_sup->text()) || edPercResSupRec->text().isEmpty()) {
            setFollower(edResSupRec, kZero);
            return;
        }
        setFollower(edResSupRec, generalText(number(edPercResSupRec) * number(ed_reservatorio_sup) / 100.0));
    });
}

void TformResSup::edResSupRecChange() {
    syncBoxes(edResSupRec, [this] {
        if (emptyOrZero(ed_reservatorio_sup->text()) || edResSupRec->text().isEmpty()) {
            setFollower(edPercResSupRec, kZero);
            return;
        }
        // A volume such as "0,0" has no percentage either (and must not divide by zero).
        const double vol = number(ed_reservatorio_sup);
        setFollower(edPercResSupRec, vol == 0.0 ? kZero : generalText(number(edResSupRec) * 100.0 / vol));
    });
}

void TformResSup::ed_reservatorio_supChange() {
    syncBoxes(ed_reservatorio_sup, [this] {
        if (edResSupRec->text().isEmpty() || edPercResSupRec->text().isEmpty() ||
            ed_reservatorio_sup->text().isEmpty()) {
            setFollower(edResSupRec, kZero);
            return;
        }
        setFollower(edResSupRec, generalText(number(edPercResSupRec) * number(ed_reservatorio_sup) / 100.0));
    });
}

void TformResSup::BTConcluirClick() {
    double rec = 0, vol = 0;
    try {
        rec = readField(edResSupRec);
        vol = readField(ed_reservatorio_sup);
    } catch (const ConversionError& e) {
        showConversionError(this, e);
        return;
    }
    if (const auto error = upperThresholdError(vol, rec)) {
        showErrorBox(this, QString::fromStdString(*error));
        return;
    }
    keepState();
    accept();
}
