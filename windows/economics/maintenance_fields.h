#pragma once
// The fields of one operating cost item (name, periodicity, fixed or proportional to the
// rainwater consumed, and its coefficients), shared by the window that adds items and the
// window that edits them.

#include <QString>
#include <optional>

#include "economics/economic_records.h"

class QLabel;
class QLineEdit;
class QWidget;
class RadioGroup;

struct CamposManutencao {
    QLabel* Label1 = nullptr;
    QLineEdit* edNomeManutencao = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* edMeses = nullptr;
    RadioGroup* RGTipoCusto = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* edCoefLinear = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* edCoefAng = nullptr;

    // Builds the fields in `parent`; the name's label reads `legendaNome`.
    void constroiCampos(QWidget* parent, const QString& legendaNome);
    // The labels and boxes of a cost type: 1 proportional (both coefficients), 0 fixed (one
    // cost); no type chosen changes nothing.
    void aplicaTipoCusto(int tipo);
    // The name can go into the simulation file (no ";"); otherwise says so and gives false.
    bool nomeGravavel(QWidget* parent) const;
    // The item the fields describe, with cost type `tipo`, its periodicity checked; a refused
    // field is shown in `parent`'s message box and gives no item.
    std::optional<TManutencao> leItem(QWidget* parent, int tipo) const;
};
