#pragma once
// The upper reservoir dialog: whether the system has an upper reservoir fed by a pump, its
// volume (litres) and the pumping threshold, in litres or as a percentage of the volume.
// The global instance writes what it shows into the main window's upper reservoir state
// (upper_reservoir_state.h), which the run, the file commands and the economic analysis read.
// The scenario window makes instances of its own in a scenario mode, where the threshold is
// always a percentage; those keep no state.

#include <QDialog>

#include "engine/upper_reservoir.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RadioGroup;

class TformResSup : public QDialog {
    Q_OBJECT
  public:
    explicit TformResSup(QWidget* parent = nullptr);
    ~TformResSup() override;

    // Items of RGResSup.
    enum { ItemDemanda = 0, ItemVolume = 1, ItemSemReservatorio = 2 };
    // The mode RGResSup shows, and choosing one there (no item chosen reads as none).
    UpperReservoirMode mode() const;
    void setMode(UpperReservoirMode mode);

    RadioGroup* RGResSup = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* ed_reservatorio_sup = nullptr;  // volume, litres
    QRadioButton* RBVolResSupRec = nullptr;
    QLineEdit* edResSupRec = nullptr;  // pumping threshold, litres
    QRadioButton* RBPercResSupRec = nullptr;
    QLineEdit* edPercResSupRec = nullptr;  // pumping threshold, % of the volume
    QPushButton* BTConcluir = nullptr;

    bool flagSimCen = false;  // the instance serves the scenario window
    void defineFlagSimCen(bool flag) { flagSimCen = flag; }

    // Recomputes the demand-sized volume from the main window's demand, occupants and
    // substitution percentage; writes it only while RGResSup is on item 0. Returns false,
    // after the conversion message, when one of those texts is not a number.
    bool setResSup();

    // Unchecks both threshold radio buttons (the main window's clearing).
    void uncheckThresholdButtons();

    // Writes the choice, the volume and the threshold shown into the main window's upper
    // reservoir state, when this is the global dialog. Runs on each change and on "Concluir".
    void keepState();

    // Event reactions.
    void RGResSupClick(int index);
    void ed_reservatorio_supClick();
    void ed_reservatorio_supChange();
    void edResSupRecChange();
    void edPercResSupRecChange();
    void RBVolResSupRecClick();
    void RBPercResSupRecClick();
    void BTConcluirClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void connectReactions();
    // Runs a box-to-box update started by a change of `source`; gives up on a chain of
    // rewrites that does not settle.
    template <typename F>
    void syncBoxes(QLineEdit* source, F&& update);
    // Writes a box that follows another; the box whose change started the chain keeps its text.
    void setFollower(QLineEdit* box, const QString& text);

    int syncDepth_ = 0;
    QLineEdit* syncOrigin_ = nullptr;
    bool keptState_ = false;  // the state holds this dialog's settings
};

extern TformResSup* formResSup;
