#include "components/key_filters.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "components/app_locale.h"

bool keyFilterAccepts(KeyFilterKind kind, const QString& current, const QString& typed,
                      char decimalSeparator) {
    const QChar separator = QLatin1Char(decimalSeparator);
    bool hasSeparator = current.contains(separator);
    for (const QChar c : typed) {
        if (c == QLatin1Char('\b')) continue;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) continue;
        if (kind == KeyFilterKind::Decimal && c == separator && !hasSeparator) {
            hasSeparator = true;
            continue;
        }
        return false;
    }
    return true;
}

QString keyFilterText(KeyFilterKind kind, const QString& typed, char decimalSeparator) {
    if (kind != KeyFilterKind::Decimal) return typed;
    QString text = typed;
    for (QChar& c : text) {
        if (c == QLatin1Char('.') || c == QLatin1Char(',')) c = QLatin1Char(decimalSeparator);
    }
    return text;
}

QString keyFilterPaste(KeyFilterKind kind, const QString& current, const QString& inserted,
                       char decimalSeparator) {
    QString kept;
    QString box = current;
    for (const QChar c : inserted) {
        const QString typed = keyFilterText(kind, QString(c), decimalSeparator);
        if (c == QLatin1Char('\b') || !keyFilterAccepts(kind, box, typed, decimalSeparator)) continue;
        kept += typed;
        box += typed;
    }
    return kept;
}

namespace {

// Keys that type no printable character, and shortcuts, are not the filter's business.
bool typesCharacters(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key->text();
    if (text.isEmpty()) return false;
    for (const QChar c : text) {
        if (!c.isPrint()) return false;
    }
    return true;
}

}  // namespace

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!edit || !typesCharacters(key)) return QObject::eventFilter(watched, event);
    const char separator = appLocale().decimalSeparator;
    const QString text = keyFilterText(kind_, key->text(), separator);
    if (!keyFilterAccepts(kind_, edit->text(), text, separator)) return true;  // discarded
    if (text == key->text()) return false;
    // The other decimal mark, or the keypad's decimal key giving it: the box gets the key of
    // the locale's separator instead, as if the user had typed it.
    const int code = separator == ',' ? Qt::Key_Comma : Qt::Key_Period;
    QKeyEvent separatorKey(QEvent::KeyPress, code, key->modifiers() & ~Qt::KeypadModifier, text,
                           key->isAutoRepeat(), static_cast<quint16>(key->count()));
    QCoreApplication::sendEvent(edit, &separatorKey);
    return true;
}

void installDecimalKeyFilter(QLineEdit* edit) {
    edit->installEventFilter(new NumericKeyFilter(KeyFilterKind::Decimal, edit));
}

void installIntegerKeyFilter(QLineEdit* edit) {
    edit->installEventFilter(new NumericKeyFilter(KeyFilterKind::Integer, edit));
}
