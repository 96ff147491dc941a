#include "components/number_texts.h"

#include <QLineEdit>
#include <limits>
#include <stdexcept>

#include "common/currency.h"
#include "components/app_locale.h"
#include "components/ui_seam.h"

QString generalText(double value) {
    return fromUtf8(formatGeneral(value, appLocale()));
}
QString general6Text(double value) {
    return fromUtf8(formatGeneral6(value, appLocale()));
}
QString savingsText(double value) {
    return fromUtf8(formatNumber(value, 4, 2, appLocale()));
}
QString fixedText(double value, int precision, int decimals) {
    return fromUtf8(formatFixed(value, precision, decimals, appLocale()));
}

double readStrictText(const QString& text) {
    return readStrict(toUtf8(text), appLocale());
}
double readLenientText(const QString& text) {
    return readLenient(toUtf8(text), appLocale());
}
double readNormalizedText(const QString& text) {
    return readNormalized(toUtf8(text), appLocale());
}
std::optional<double> tryReadText(const QString& text) {
    return tryReadNumber(toUtf8(text), appLocale());
}

FieldConversionError::FieldConversionError(const QString& label, const ConversionError& error, QWidget* field)
    : ConversionError(label.isEmpty() ? std::string(error.what()) : toUtf8(label) + ": " + error.what()),
      field_(field) {}

namespace {

QString labelOf(const QLineEdit* box, const QString& label) {
    return label.isEmpty() ? box->accessibleName() : label;
}

}  // namespace

double readFieldText(const QString& text, const QString& label, QWidget* field) {
    try {
        return readStrictText(text);
    } catch (const ConversionError& e) {
        throw FieldConversionError(label, e, field);
    }
}

TDate readDateFieldText(const QString& text, const QString& label, QWidget* field) {
    try {
        return readDate(toUtf8(text), appLocale());
    } catch (const ConversionError& e) {
        throw FieldConversionError(label, e, field);
    }
}

TDate readDateField(const QLineEdit* box, const QString& label) {
    return readDateFieldText(box->text(), labelOf(box, label), const_cast<QLineEdit*>(box));
}

double readField(const QLineEdit* box, const QString& label) {
    return readFieldText(box->text(), labelOf(box, label), const_cast<QLineEdit*>(box));
}

std::int64_t readIntegerField(const QLineEdit* box, const QString& label) {
    try {
        return readInteger(toUtf8(box->text()));
    } catch (const ConversionError& e) {
        throw FieldConversionError(labelOf(box, label), e, const_cast<QLineEdit*>(box));
    }
}

void showConversionError(QWidget* parent, const std::exception& error) {
    showException(parent, error);
    if (const auto* field = dynamic_cast<const FieldConversionError*>(&error); field && field->field())
        field->field()->setFocus(Qt::OtherFocusReason);
}

namespace {

void readOneField(const QLineEdit* box, FieldKind kind) {
    if (kind == FieldKind::Integer) {
        const std::int64_t v = readIntegerField(box);
        if (v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max())
            return;
        throw FieldConversionError(
            box->accessibleName(),
            ConversionError("'" + toUtf8(box->text()) + "' não é um número inteiro válido."),
            const_cast<QLineEdit*>(box));
    }
    const double v = readField(box);
    if (kind != FieldKind::Money) return;
    try {
        (void)Currency::fromDouble(v);
    } catch (const std::range_error&) {
        throw FieldConversionError(
            box->accessibleName(),
            ConversionError("'" + toUtf8(box->text()) + "' não é um valor monetário válido."),
            const_cast<QLineEdit*>(box));
    }
}

}  // namespace

bool fieldsRead(QWidget* parent, std::initializer_list<const QLineEdit*> boxes, FieldKind kind) {
    try {
        for (const QLineEdit* box : boxes) {
            if (box) readOneField(box, kind);
        }
    } catch (const ConversionError& e) {
        showConversionError(parent, e);
        return false;
    }
    return true;
}
