#pragma once
// A seam for the window tests: every message box, standard dialog and modal window the code
// shows must have been announced by the test with its answer. Anything not announced, or
// shown out of order, is recorded as a failure and answered safely (No, an empty file name,
// no colour, the window rejected), so a test never hangs on a dialog.

#include <QColor>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "components/ui_seam.h"

class FakeUi final : public UiSeam {
  public:
    struct Shown {
        QString kind;  // "message", "open", "save", "folder", "colour", "modal"
        QString caption;
        QString text;  // message text, or the modal window's objectName
        MsgIcon icon = MsgIcon::None;
        MsgButtons buttons = MsgButtons::Ok;
        QString dir = {};  // where a file or folder dialog starts
    };

    // A message box with this caption and text (and, when given, this icon), answered with `answer`.
    void expectMessage(const QString& caption, const QString& text,
                       std::optional<MsgIcon> icon = std::nullopt, MsgResult answer = MsgResult::Ok);
    // A message whose wording is not fixed (a conversion error): the caption and a part of the text.
    void expectMessageContaining(const QString& caption, const QString& part,
                                 MsgResult answer = MsgResult::Ok);
    void expectOpenFile(const QString& answer);
    void expectSaveFile(const QString& answer);
    void expectFolder(const QString& answer);
    void expectColour(std::optional<QColor> answer);
    // A modal window with this objectName; the handler plays the user and returns its result.
    void expectModal(const QString& objectName, std::function<int(QDialog*)> handler);

    // Failures so far (unexpected or mismatched dialogs) and announced dialogs never shown.
    QStringList problems() const;
    const std::vector<Shown>& shown() const { return shown_; }
    void reset();

    MsgResult message(QWidget* parent, const QString& caption, const QString& text, MsgIcon icon,
                      MsgButtons buttons) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                         const QString& defaultSuffix) override;
    QString folderName(QWidget* parent, const QString& caption, const QString& dir) override;
    std::optional<QColor> colour(QWidget* parent, const QColor& initial) override;

  protected:
    int runModal(QDialog* dialog) override;

  private:
    struct Expectation {
        QString kind;
        QString caption;
        QString text;
        bool partialText = false;
        std::optional<MsgIcon> icon;
        MsgResult answer = MsgResult::Ok;
        QString fileAnswer;
        std::optional<QColor> colourAnswer;
        std::function<int(QDialog*)> modal;
    };

    // The next expectation when it is of this kind; otherwise records a failure.
    std::optional<Expectation> take(const Shown& shown);

    std::deque<Expectation> queue_;
    std::vector<Shown> shown_;
    QStringList failures_;
};
