#include "components/key_filters.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include "components/app_locale.h"

bool keyFilterAccepts(KeyFilterKind kind, const QString& current, const QString& typed,
                      char decimalSeparator) {
    const QChar separator = QLatin1Char(decimalSeparator);
    bool hasSeparator = current.contains(separator);
    for (const QChar c : typed) {
        if (c == QLatin1Char('\b')) continue;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) continue;
        if (kind == KeyFilterKind::Fraction && c == QLatin1Char('/')) continue;
        if (kind != KeyFilterKind::Integer && c == separator && !hasSeparator) {
            hasSeparator = true;
            continue;
        }
        return false;
    }
    return true;
}

QString keyFilterText(KeyFilterKind kind, const QString& typed, char decimalSeparator) {
    if (kind == KeyFilterKind::Integer) return typed;
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

NumericKeyFilter::NumericKeyFilter(KeyFilterKind kind, QLineEdit* edit)
    : QObject(edit), kind_(kind), edit_(edit) {}

void NumericKeyFilter::pasteFiltered(const QString& text) {
    if (edit_->isReadOnly() || text.isEmpty()) return;
    // What the pasted text replaces does not count against it.
    QString rest = edit_->text();
    if (edit_->hasSelectedText()) rest.remove(edit_->selectionStart(), edit_->selectedText().size());
    const QString kept = keyFilterPaste(kind_, rest, text, appLocale().decimalSeparator);
    if (!kept.isEmpty()) edit_->insert(kept);
}

// The context menu of the box, whose "Paste" pastes as the filter does.
void NumericKeyFilter::showMenu(const QPoint& globalPos) {
    QMenu* menu = edit_->createStandardContextMenu();
    if (!menu) return;
    // The menu's "Paste" (named "edit-paste" by newer Qt versions, known by its text in older).
    const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu->actions()) {
        if (action->objectName() != QStringLiteral("edit-paste") && !action->text().startsWith(pasteText))
            continue;
        disconnect(action, &QAction::triggered, edit_, nullptr);
        connect(action, &QAction::triggered, this,
                [this] { pasteFiltered(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

// Paste by shortcut, by the context menu, by the middle button (the selection) and by a drop.
bool NumericKeyFilter::filterPaste(QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) return false;
            pasteFiltered(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
            return true;
        case QEvent::ContextMenu:
            showMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
                return false;
            edit_->setCursorPosition(edit_->cursorPositionAt(mouse->position().toPoint()));
            pasteFiltered(QGuiApplication::clipboard()->text(QClipboard::Selection));
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!drop->mimeData()->hasText() || drop->source() == edit_) return false;
            edit_->setCursorPosition(edit_->cursorPositionAt(drop->position().toPoint()));
            pasteFiltered(drop->mimeData()->text());
            drop->acceptProposedAction();
            return true;
        }
        default:
            return false;
    }
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && filterPaste(event)) return true;
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

void installFractionKeyFilter(QLineEdit* edit) {
    edit->installEventFilter(new NumericKeyFilter(KeyFilterKind::Fraction, edit));
}

namespace {

class DecimalCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) installDecimalKeyFilter(edit);
        return editor;
    }
};

}  // namespace

QAbstractItemDelegate* makeDecimalCellDelegate(QObject* parent) {
    return new DecimalCellDelegate(parent);
}
