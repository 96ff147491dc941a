#pragma once
// Alt with a letter belongs to the menus' mnemonics: a character typed with Alt held never
// lands in a text box of the program (AltGr, which some systems report as Ctrl+Alt, still
// types). One guard, installed on the application, covers every window and the editors
// that grids open later.

#include <QObject>

class QKeyEvent;

// Whether the key event would type a character with Alt held (and is not AltGr).
bool typesWithAlt(const QKeyEvent& key);

class AltTypingGuard : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs a guard on the application for as long as `owner` lives.
void installAltTypingGuard(QObject* owner);
