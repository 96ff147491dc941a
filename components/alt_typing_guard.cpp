#include "components/alt_typing_guard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

bool typesWithAlt(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers();
    return (mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !key.text().isEmpty() &&
           key.text().at(0).isPrint();
}

bool AltTypingGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && typesWithAlt(*static_cast<QKeyEvent*>(event)) &&
        (qobject_cast<QLineEdit*>(watched) || qobject_cast<QPlainTextEdit*>(watched) ||
         qobject_cast<QTextEdit*>(watched)))
        return true;
    return QObject::eventFilter(watched, event);
}

void installAltTypingGuard(QObject* owner) {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(new AltTypingGuard(owner));
}
