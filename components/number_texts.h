#pragma once
// The number texts and reads of the windows, always with the user's locale settings
// (appLocale): what a window writes into a box or a label and how it reads a box back.

#include <QString>
#include <cstdint>
#include <exception>
#include <initializer_list>
#include <optional>

#include "common/numtext.h"

class QLineEdit;
class QWidget;

// General: shortest text, up to 15 significant digits (general6: up to 6).
QString generalText(double value);
QString general6Text(double value);
// Savings: number 4/2, the format of the result labels and grids ("45,68").
QString savingsText(double value);
// Fixed p/d, without thousands separators.
QString fixedText(double value, int precision, int decimals);

// Strict: the text as it stands; throws ConversionError naming the text.
double readStrictText(const QString& text);
// Lenient: 0 for an empty or invalid text.
double readLenientText(const QString& text);
// Normalized: "," and "." both read as the locale's decimal separator, then strict.
double readNormalizedText(const QString& text);
// The strict read without the exception.
std::optional<double> tryReadText(const QString& text);

// A box whose text does not convert: the conversion error's message led by the box's label,
// "Área de captação (m²): '' não é um número válido.", with the control to go back to.
class FieldConversionError : public ConversionError {
  public:
    FieldConversionError(const QString& label, const ConversionError& error, QWidget* field);
    QWidget* field() const { return field_; }

  private:
    QWidget* field_;
};

// Strict reads of a box named by `label` (its accessible name when none is given); a text that
// does not convert throws FieldConversionError.
double readField(const QLineEdit* box, const QString& label = QString());
std::int64_t readIntegerField(const QLineEdit* box, const QString& label = QString());
// The strict read of a text shown under `label` in `field` (a grid cell, for instance).
double readFieldText(const QString& text, const QString& label, QWidget* field);
// Dates in the locale's short date pattern, read the same way.
TDate readDateField(const QLineEdit* box, const QString& label = QString());
TDate readDateFieldText(const QString& text, const QString& label, QWidget* field);

// A command stopped by an error: the platform's message in an error box; when the error
// names a control, the focus goes back to it.
void showConversionError(QWidget* parent, const std::exception& error);

// What a box of a command holds: a number, a whole number that fits in 32 bits, or an amount
// of money (a number that money can hold).
enum class FieldKind { Number, Integer, Money };
// The strict reads of a command's boxes, in order (null boxes are skipped): the first that
// does not read is named, by its accessible name, in the conversion error's box and gets the
// focus, and the answer is false.
bool fieldsRead(QWidget* parent, std::initializer_list<const QLineEdit*> boxes,
                FieldKind kind = FieldKind::Number);
