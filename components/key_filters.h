#pragma once
// Keystroke filters of the numeric edit boxes. A decimal box takes digits, backspace and
// the locale's decimal separator (only while the box holds none); the other decimal mark
// ("." under a comma locale, "," under a point locale) and the keypad's decimal key type
// the locale's separator. A whole-number box takes digits and backspace. Any other typed
// character is discarded. Pasted text is not
// filtered, and keys that type nothing (arrows, Delete, Enter, Tab, Escape, shortcuts such
// as Ctrl+V) keep their usual effect.

#include <QObject>
#include <QString>

class QLineEdit;

enum class KeyFilterKind { Decimal, Integer };

// Whether `typed` may go into a box that holds `current`.
bool keyFilterAccepts(KeyFilterKind kind, const QString& current, const QString& typed,
                      char decimalSeparator);

// The text a key that typed `typed` puts into a box: in a decimal box either decimal mark
// becomes the locale's separator; anything else is typed as it is.
QString keyFilterText(KeyFilterKind kind, const QString& typed, char decimalSeparator);

// What `inserted`, typed character by character into a box holding `current`, leaves of
// itself: marks made the locale's separator, refused characters dropped.
QString keyFilterPaste(KeyFilterKind kind, const QString& current, const QString& inserted,
                       char decimalSeparator);

class NumericKeyFilter : public QObject {
    Q_OBJECT
  public:
    NumericKeyFilter(KeyFilterKind kind, QObject* parent) : QObject(parent), kind_(kind) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    KeyFilterKind kind_;
};

// Installs a filter on the box; the filter is owned by the box.
void installDecimalKeyFilter(QLineEdit* edit);
void installIntegerKeyFilter(QLineEdit* edit);
