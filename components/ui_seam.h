#pragma once
// Every message box and standard dialog of the program goes through this seam, so that
// tests can answer them in advance (and fail on one they did not expect).

#include <QColor>
#include <QString>
#include <exception>
#include <optional>

class QDialog;
class QWidget;

enum class MsgIcon { Error, Warning, Information, Question, None };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgResult { Ok, Yes, No, Cancel };

class UiSeam {
  public:
    virtual ~UiSeam() = default;
    virtual MsgResult message(QWidget* parent, const QString& caption, const QString& text, MsgIcon icon,
                              MsgButtons buttons) = 0;
    // An empty string when the user cancels.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                 const QString& filter, const QString& defaultSuffix) = 0;
    virtual QString folderName(QWidget* parent, const QString& caption, const QString& dir) = 0;
    virtual std::optional<QColor> colour(QWidget* parent, const QColor& initial) = 0;
    // Shows one of the program's own windows modally and returns its result
    // (QDialog::Accepted or QDialog::Rejected). A window opened from a modal window (`owner`,
    // or else the modal window in use) opens in front of it and modal to it, as its child
    // for the while it is shown.
    int execModal(QDialog* dialog, QWidget* owner = nullptr);

  protected:
    // Runs the window modally and gives it the focus; a test seam answers it instead.
    virtual int runModal(QDialog* dialog);
};

// The seam in use: Qt's own dialogs unless a test installed another one.
UiSeam& ui();
// Installs a seam (nullptr restores Qt's dialogs); the caller keeps ownership.
void setUi(UiSeam* seam);

// Shorthands for the program's message boxes.
inline void showError(QWidget* parent, const QString& text) {
    ui().message(parent, QStringLiteral("Erro"), text, MsgIcon::Warning, MsgButtons::Ok);
}
// "Erro" with the error icon (the upper reservoir checks, the chart and scenario errors);
// showError above is the warning-icon form of the main window's range errors.
inline void showErrorBox(QWidget* parent, const QString& text) {
    ui().message(parent, QStringLiteral("Erro"), text, MsgIcon::Error, MsgButtons::Ok);
}
// A command stopped by an error (a text that is not a number, a file that cannot be read):
// the error's own message, under the program's title, as an error box.
inline void showException(QWidget* parent, const std::exception& error) {
    ui().message(parent, QStringLiteral("Vespra 4"), QString::fromUtf8(error.what()), MsgIcon::Error,
                 MsgButtons::Ok);
}
inline void showInformation(QWidget* parent, const QString& caption, const QString& text) {
    ui().message(parent, caption, text, MsgIcon::Information, MsgButtons::Ok);
}
inline bool askYesNo(QWidget* parent, const QString& caption, const QString& text) {
    return ui().message(parent, caption, text, MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes;
}
