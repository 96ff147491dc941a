#pragma once
// The input filters of the numeric edit boxes, shared by every window. A decimal box takes
// digits, backspace and the locale's decimal separator (only while the box holds none); the
// other decimal mark ("." under a comma locale, "," under a point locale) and the keypad's
// decimal key type the locale's separator. A whole-number box takes digits and backspace. A
// fraction box (the pump's power in CV, "1/2") takes what a decimal box takes and "/". Any
// other typed character is discarded. Text pasted into a box (by the paste shortcut, the
// context menu's "Paste", the middle button) or dropped on it goes through the same rule,
// character by character, as if it had been typed. Keys that type nothing (arrows, Delete,
// Enter, Tab, Escape, the other shortcuts) keep their usual effect, and text the program
// writes into a box is never filtered.

#include <QObject>
#include <QString>

class QAbstractItemDelegate;
class QEvent;
class QPoint;
class QLineEdit;

enum class KeyFilterKind { Decimal, Integer, Fraction };

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
    NumericKeyFilter(KeyFilterKind kind, QLineEdit* edit);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Text pasted or dropped into the box goes in as the filter lets typed text in; true when
    // the event was such a paste.
    bool filterPaste(QEvent* event);
    void pasteFiltered(const QString& text);
    void showMenu(const QPoint& globalPos);

    KeyFilterKind kind_;
    QLineEdit* edit_;
};

// Installs a filter on the box; the filter is owned by the box.
void installDecimalKeyFilter(QLineEdit* edit);
void installIntegerKeyFilter(QLineEdit* edit);
void installFractionKeyFilter(QLineEdit* edit);

// An item delegate whose cell editors take what a decimal box takes, for grids whose cells hold
// numbers; owned by `parent`.
QAbstractItemDelegate* makeDecimalCellDelegate(QObject* parent);
